// The configurator window: the option groups, the stove picture, the reference
// and the prices; its start-up, its close and its layout.
//
// Every control carries its name as object name. The radio buttons of an option
// group are named after the group and their index (RdButtSide0 ... RdButtSide5),
// and belong to a QButtonGroup of the group's name whose ids are the indices.
// The controls sit on the content widget at their design coordinates; a group's
// buttons are children of its group box and move with it.
#pragma once

#include "core/ConfigView.h"
#include "core/Configurator.h"
#include "ui/CanvasStove.h"
#include "ui/ContactMail.h"
#include "ui/WinPrefs.h"

#include <QImage>
#include <QMainWindow>
#include <QRect>

#include <array>
#include <memory>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace Kaminor {

class App;
class UpdateCheck;

class WinMain : public QMainWindow, public ConfigView, public PrefsWindowHost {
    Q_OBJECT
public:
    // The folders the start-up looks in.
    struct Folders {
        QString applicationFolder; // holds the program; "KaminorPrefs" is made here when needed
        QString contents;          // "Contents": the photo folders and the comparator
        QString userPreferences;   // the user's configuration folder; empty when the system has none
    };
    // <program folder>/../share/<program name>/ and the user's configuration folder.
    static Folders defaultFolders();

    explicit WinMain(App& app, QWidget* parent = nullptr);
    ~WinMain() override;

    void setFolders(const Folders& folders) { m_folders = folders; }
    // The main screen's size used to check the stored bounds (the real screen's when unset).
    void setScreenSize(QSize size) { m_screenSize = size; }

    // The start-up. False when it failed: the window has then closed itself.
    bool Event_Open();
    // True to refuse the close (while DrapMenu is false, with a beep).
    bool Event_CancelClose();
    // Saves the preferences once, after a complete start-up, then quits.
    void Event_Close();
    // Keeps PushButtOuvComp centred under the picture.
    void WinMresized();

    // Left, top, width and height of the window's content.
    QRect bounds() const;
    void setBounds(const QRect& bounds);

    // Empties every help tag of the window, or puts the texts it was built with
    // back, following the help-tag preference. The first call remembers those
    // texts; the start-up does not call it. Both texts are ignored.
    void AffMasqHelpTag(const QString& name, const QString& text) override;
    // The controls that carry a help tag, in window order.
    QList<QWidget*> helpTagControls() const;

    // The contact buttons: the mail program opens with the message, or, with
    // the Option key down, the message goes to the clipboard.
    void PushButtInfoCde_Action();
    void PushButtSendMail_Action();
    // Opens the energy comparator page in the browser.
    void PushButtOuvComp_Action();
    void ModePartPro() override;
    void GenerateRemembered() override;

    Configurator& configurator() { return *m_config; }
    UpdateCheck* SocketVerMaJ() const { return m_update; }
    QButtonGroup* radioGroup(Group group) const { return m_groups[static_cast<int>(group)]; }
    QRadioButton* radioButton(Group group, int index) const;
    CanvasStove* canvas() const { return CanvasStove_; }
    QWidget* content() const { return m_content; }

    QString DossStoves;
    QString FichComp;
    QImage PicNoStove;
    QImage PicNoVisual;

    // What the window shows.
    void selectButton(Group group, int index) override;
    void setFieldText(Field field, const QString& text) override;
    QString fieldText(Field field) const override;
    void requestRepaint() override;
    void armRevertTimer(int milliseconds) override;
    void enableMenuBoutons() override;
    void setPricesVisible(bool visible) override;
    void setContactCaption(const QString& caption) override;
    void playSound(Sound sound) override;
    bool soundEffectsOn() const override;
    bool pricesShown() const override;
    double priceCoefficient() const override;
    QString buttonCaption(Group group, int index) const override;
    QString groupCaption(Group group) const override;
    QString labelText(Label label) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };
    struct Placed {
        QWidget* widget;
        QRect design; // at the design size, in the coordinates of its parent
        int anchors;
    };

    void buildControls();
    QGroupBox* addGroupBox(const char* name, const QRect& r, int anchors, const QString& title);
    QRadioButton* addRadio(QGroupBox* box, Group group, int index, const QRect& windowRect, const QString& caption);
    QLineEdit* addField(const char* name, QWidget* parent, const QRect& windowRect, int anchors, Qt::Alignment align);
    QLabel* addLabel(const char* name, QWidget* parent, const QRect& windowRect, int anchors, const QString& text,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton* addButton(const char* name, const QRect& r, int anchors, const QString& caption);
    void place(QWidget* w, const QRect& windowRect, int anchors);
    void layoutControls();
    void setButtonsEnabled(bool enabled);
    void fillRateCaptions();
    void failStart(const QString& detail);
    int menuBarHeight() const;
    ContactInputs contactInputs();
    void sendContact(const ContactText& text, bool withRecipient);

    App& m_app;
    Folders m_folders;
    QSize m_screenSize;
    QWidget* m_content = nullptr;
    std::vector<Placed> m_placed;
    std::array<QButtonGroup*, GroupCount> m_groups{};
    std::unique_ptr<Configurator> m_config;
    UpdateCheck* m_update = nullptr;
    // The help texts the controls were built with, one per help-tag control.
    QStringList MemHlpTgTxt;

public:
    // The controls, named as their object names.
    QGroupBox* GroupBoxPrices = nullptr;
    QLineEdit* TextFieldPriTTC = nullptr;
    QLabel* LabelPriceTTC = nullptr;
    QLabel* LabelCredImp = nullptr;
    QLabel* LabelCoutFin = nullptr;
    QLabel* LabelCurrency = nullptr;
    QLineEdit* TextFieldCredImp = nullptr;
    QLineEdit* TextFieldCoutFin = nullptr;
    QGroupBox* GroupBoxBody = nullptr;
    QGroupBox* GroupBoxBodCol = nullptr;
    QGroupBox* GroupBoxStoveSide = nullptr;
    QGroupBox* GroupBoxPlate = nullptr;
    QLabel* LabelRef = nullptr;
    QGroupBox* GroupBoxDoorGlass = nullptr;
    QGroupBox* GroupBoxDoorLogs = nullptr;
    QGroupBox* GroupBoxTablet = nullptr;
    CanvasStove* CanvasStove_ = nullptr;
    QLineEdit* TextFieldRef = nullptr;
    QGroupBox* GroupBoxCredImp = nullptr;
    QGroupBox* GroupBoxTVA = nullptr;
    QPushButton* PushButtInfoCde = nullptr;
    QLabel* LabelInfoCde = nullptr;
    QPushButton* PushButtSendMail = nullptr;
    QLabel* LabelSendMail = nullptr;
    QTimer* TimerMemIDE = nullptr;
    QPushButton* PushButtOuvComp = nullptr;
    QLabel* LabelCurrencyD = nullptr;
    QLineEdit* TextFieldPriHT = nullptr;
    QLabel* LabelPriceHT = nullptr;
};

} // namespace Kaminor
