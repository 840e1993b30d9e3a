#include "ui/WinMain.h"

#include "app/App.h"
#include "app/Fncts.h"
#include "app/MailTo.h"
#include "app/UpdateCheck.h"
#include "core/FnctsState.h"
#include "core/Prices.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "text/Localisation.h"
#include "ui/DecPosCtrl.h"
#include "ui/WinInfos.h"

#include "KaminorConfig.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace Kaminor {

namespace {

// The design size is the window's minimum size.
constexpr int DesignWidth = WinMainMinSize.width();
constexpr int DesignHeight = WinMainMinSize.height();
constexpr int MaxSize = 32000;

const QColor WindowGrey(192, 192, 192);
const QColor HTBlue(0, 0, 255);

} // namespace

WinMain::Folders WinMain::defaultFolders()
{
    Folders f;
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    f.applicationFolder = QCoreApplication::applicationDirPath();
    f.contents = QDir::cleanPath(f.applicationFolder + QLatin1String("/../share/") + exeName);
    f.userPreferences = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return f;
}

WinMain::WinMain(App& app, QWidget* parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_folders(defaultFolders())
{
    setObjectName(QStringLiteral("WinMain"));
    setWindowTitle(QStringLiteral("Kaminor"));
    setAttribute(Qt::WA_DeleteOnClose, false);

#ifndef Q_OS_MACOS
    // Where menus live inside the window, the window carries the application's bar.
    if (QMenuBar* bar = m_app.menus().bar) {
        setMenuBar(bar);
        bar->setHidden(false);
    }
#endif

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("WinMainContent"));
    m_content->setMinimumSize(DesignWidth, DesignHeight);
    m_content->setMaximumSize(MaxSize, MaxSize);
    m_content->installEventFilter(this);
    setCentralWidget(m_content);

    buildControls();
    m_config = std::make_unique<Configurator>(*this);

    resize(DesignWidth, DesignHeight + menuBarHeight());

    connect(&m_app, &App::buttonsEnabledRequested, this, &WinMain::setButtonsEnabled);
    connect(&m_app, &App::closeWindowRequested, this, &QWidget::close);
    connect(&m_app, &App::aboutRequested, this, [this] { WinInfos::Show(this); });
    connect(&m_app, &App::helpRequested, this, [this] { AideAide(this); });
    connect(&m_app, &App::preferencesRequested, this, [this] { WinPrefs::Show(m_app.prefs, this, this); });
    connect(&m_app, &App::updateCheckRequested, m_update, &UpdateCheck::SocketVerMaJ_Get);
}

WinMain::~WinMain()
{
    // The bar belongs to the application: give it back rather than let it go with us.
    if (QMenuBar* bar = m_app.menus().bar; bar && bar->parentWidget() == this) {
        bar->hide();
        bar->setParent(nullptr);
    }
}

int WinMain::menuBarHeight() const
{
    QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar || bar->isNativeMenuBar())
        return 0;
    return bar->sizeHint().height();
}

QRect WinMain::bounds() const
{
    const QRect g = geometry();
    return QRect(g.left(), g.top(), g.width(), g.height() - menuBarHeight());
}

void WinMain::setBounds(const QRect& b)
{
    setGeometry(QRect(b.left(), b.top(), b.width(), b.height() + menuBarHeight()));
}

// --- Layout ------------------------------------------------------------------

void WinMain::place(QWidget* w, const QRect& windowRect, int anchors)
{
    QRect r = windowRect;
    if (w->parentWidget() != m_content)
        r.translate(-w->parentWidget()->pos()); // inside a group box: relative to the box
    w->setGeometry(r);
    m_placed.push_back({w, r, anchors});
}

QGroupBox* WinMain::addGroupBox(const char* name, const QRect& r, int anchors, const QString& title)
{
    auto* box = new QGroupBox(title, m_content);
    box->setObjectName(QLatin1String(name));
    place(box, r, anchors);
    return box;
}

QRadioButton* WinMain::addRadio(QGroupBox* box, Group group, int index, const QRect& windowRect,
                                const QString& caption)
{
    auto* button = new QRadioButton(caption, box);
    button->setObjectName(buttonArrayName(group) + QString::number(index));
    button->setProperty("index", index);
    place(button, windowRect, Left | Top);
    radioGroup(group)->addButton(button, index);
    return button;
}

QLineEdit* WinMain::addField(const char* name, QWidget* parent, const QRect& windowRect, int anchors,
                             Qt::Alignment align)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setAlignment(align | Qt::AlignVCenter);
    place(field, windowRect, anchors);
    return field;
}

QLabel* WinMain::addLabel(const char* name, QWidget* parent, const QRect& windowRect, int anchors,
                          const QString& text, Qt::Alignment align)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(align);
    place(label, windowRect, anchors);
    return label;
}

QPushButton* WinMain::addButton(const char* name, const QRect& r, int anchors, const QString& caption)
{
    auto* button = new QPushButton(caption, m_content);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    place(button, r, anchors);
    return button;
}

void WinMain::buildControls()
{
    namespace T = Localisation;
    for (int g = 0; g < GroupCount; ++g) {
        m_groups[g] = new QButtonGroup(this);
        m_groups[g]->setObjectName(buttonArrayName(static_cast<Group>(g)));
        m_groups[g]->setExclusive(true);
    }
    const Qt::Alignment right = Qt::AlignRight;
    const Qt::Alignment left = Qt::AlignLeft;

    // In the order of creation; window coordinates at the design size.
    GroupBoxPrices = addGroupBox("GroupBoxPrices", {20, 526, 230, 104}, Left | Bottom, T::GrBoxPrices());
    TextFieldPriTTC = addField("TextFieldPriTTC", GroupBoxPrices, {150, 550, 70, 22}, Left | Top, right);
    LabelPriceTTC = addLabel("LabelPriceTTC", GroupBoxPrices, {34, 551, 110, 20}, Left | Top, T::LbTxtPriceTTC());
    TextFieldCredImp = addField("TextFieldCredImp", GroupBoxPrices, {150, 574, 70, 22}, Left | Top, right);
    LabelCredImp = addLabel("LabelCredImp", GroupBoxPrices, {34, 575, 110, 20}, Left | Top, T::LbTxtCredImp());
    TextFieldCoutFin = addField("TextFieldCoutFin", GroupBoxPrices, {150, 598, 70, 22}, Left | Top, right);
    LabelCoutFin = addLabel("LabelCoutFin", GroupBoxPrices, {34, 599, 110, 20}, Left | Top, T::LbTxtCoutFin());
    addLabel("LabelCurrencyB", GroupBoxPrices, {225, 575, 15, 20}, Left | Top, T::LbCurrency());
    addLabel("LabelCurrencyC", GroupBoxPrices, {225, 599, 15, 20}, Left | Top, T::LbCurrency());
    LabelCurrency = addLabel("LabelCurrency", GroupBoxPrices, {225, 551, 15, 20}, Left | Top, T::LbCurrency());

    GroupBoxBody = addGroupBox("GroupBoxBody", {20, 14, 230, 152}, Left | Top, T::GrBoxBody());
    const QString bodies[] = {T::RdBtnBody_KD(), T::RdBtnBody_TS(), T::RdBtnBody_OV(), T::RdBtnBody_ZT(),
                              T::RdBtnBody_HD()};
    const QString bodyTags[] = {T::RdBtnBody_KDd(), T::RdBtnBody_TSd(), T::RdBtnBody_OVd(), T::RdBtnBody_ZTd(),
                                T::RdBtnBody_HDd()};
    for (int i = 0; i < 5; ++i)
        addRadio(GroupBoxBody, Group::Body, i, {34, 39 + 24 * i, 206, 20}, bodies[i])->setToolTip(bodyTags[i]);

    GroupBoxBodCol = addGroupBox("GroupBoxBodCol", {20, 178, 230, 56}, Left | Top, T::GrBoxBodCol());
    addRadio(GroupBoxBodCol, Group::Color, 1, {144, 203, 96, 20}, T::RdBtnNoir());
    addRadio(GroupBoxBodCol, Group::Color, 0, {34, 203, 96, 20}, T::RdBtnGris());

    GroupBoxStoveSide = addGroupBox("GroupBoxStoveSide", {644, 174, 230, 176}, Top | Right, T::GrBoxStoveSide());
    const QString sides[] = {T::RdBtn_AGT(), T::RdBtn_AGR(), T::RdBtn_ANM(), T::RdBtn_PGN(), T::RdBtn_PSE(),
                             T::RdBtn_CBL()};
    for (int i = 0; i < 6; ++i)
        addRadio(GroupBoxStoveSide, Group::Side, i, {658, 199 + 24 * i, 206, 20}, sides[i]);

    GroupBoxPlate = addGroupBox("GroupBoxPlate", {644, 362, 230, 128}, Top | Right, T::GrBoxPlate());
    const QString stones[] = {T::RdBtn_Sans(), T::RdBtn_PGN(), T::RdBtn_PSE(), T::RdBtn_CBL()};
    for (int i = 0; i < 4; ++i)
        addRadio(GroupBoxPlate, Group::Plate, i, {658, 387 + 24 * i, 206, 20}, stones[i]);

    LabelRef = addLabel("LabelRef", m_content, {22, 283, 122, 20}, Left | Top, T::LbTxtRef());

    GroupBoxDoorGlass = addGroupBox("GroupBoxDoorGlass", {644, 14, 230, 56}, Top | Right, T::GrBoxDoorGlass());
    addRadio(GroupBoxDoorGlass, Group::DoorGlass, 1, {768, 39, 96, 20}, T::RdBtnNon());
    addRadio(GroupBoxDoorGlass, Group::DoorGlass, 0, {658, 39, 96, 20}, T::RdBtnOui());

    GroupBoxDoorLogs = addGroupBox("GroupBoxDoorLogs", {644, 82, 230, 80}, Top | Right, T::GrBoxDoorLogs());
    addRadio(GroupBoxDoorLogs, Group::DoorLogs, 0, {658, 107, 96, 20}, T::RdBtnDLacier());
    addRadio(GroupBoxDoorLogs, Group::DoorLogs, 1, {658, 131, 206, 20}, T::RdBtnDLverre());
    addRadio(GroupBoxDoorLogs, Group::DoorLogs, 2, {768, 107, 96, 20}, T::RdBtnSans());

    GroupBoxTablet = addGroupBox("GroupBoxTablet", {644, 502, 230, 128}, Top | Right, T::GrBoxTablet());
    const int tabletTops[] = {527, 551, 575, 599};
    for (int i = 0; i < 4; ++i)
        addRadio(GroupBoxTablet, Group::Tablet, i, {658, tabletTops[i], 206, 20}, stones[i]);

    CanvasStove_ = new CanvasStove(m_content);
    CanvasStove_->setObjectName(QStringLiteral("CanvasStove"));
    place(CanvasStove_, {266, 14, 362, 616}, Left | Top | Right | Bottom);

    TextFieldRef = addField("TextFieldRef", m_content, {22, 307, 228, 22}, Left | Top, left);
    TextFieldRef->setText(T::Txt_Attente());

    // The update check: its HTTP client and its report timer (TimerVerMaJ).
    m_update = new UpdateCheck(this);
    m_update->setObjectName(QStringLiteral("SocketVerMaJ"));

    GroupBoxCredImp = addGroupBox("GroupBoxCredImp", {20, 366, 230, 56}, Left | Bottom, T::GrBoxCredImp());
    addRadio(GroupBoxCredImp, Group::CredImp, 0, {34, 391, 96, 20}, T::RdBtnCredImp());
    addRadio(GroupBoxCredImp, Group::CredImp, 1, {144, 391, 96, 20}, T::RdBtnCredImp());

    GroupBoxTVA = addGroupBox("GroupBoxTVA", {20, 434, 230, 80}, Left | Bottom, T::GrBoxTVA());
    addRadio(GroupBoxTVA, Group::TVA, 0, {34, 459, 96, 20}, T::RdBtnTVA());
    addRadio(GroupBoxTVA, Group::TVA, 1, {144, 459, 96, 20}, T::RdBtnTVA());
    addRadio(GroupBoxTVA, Group::TVA, 2, {34, 483, 96, 20}, T::RdBtnTVA());

    PushButtInfoCde = addButton("PushButtInfoCde", {158, 640, 130, 20}, Left | Bottom, T::Btn_Info());
    PushButtInfoCde->setToolTip(T::Btns_Contact_HT());
    LabelInfoCde = addLabel("LabelInfoCde", m_content, {20, 640, 134, 20}, Left | Bottom, T::LbTxtInfoCde(),
                            Qt::AlignRight | Qt::AlignVCenter);
    PushButtSendMail = addButton("PushButtSendMail", {744, 640, 130, 20}, Right | Bottom, T::Btn_SendMail());
    PushButtSendMail->setToolTip(T::Btns_Contact_HT());
    LabelSendMail = addLabel("LabelSendMail", m_content, {590, 640, 150, 20}, Right | Bottom, T::LbTxtSendMail(),
                             Qt::AlignRight | Qt::AlignVCenter);

    TimerMemIDE = new QTimer(this);
    TimerMemIDE->setObjectName(QStringLiteral("TimerMemIDE"));
    TimerMemIDE->setInterval(500);
    TimerMemIDE->setSingleShot(true);
    connect(TimerMemIDE, &QTimer::timeout, this, [this] { m_config->TimerMemIDE_Action(); });

    PushButtOuvComp = addButton("PushButtOuvComp", {357, 640, 180, 20}, Bottom, T::Btn_OuvComp());
    PushButtOuvComp->setToolTip(T::Btn_OuvComp_HT());

    LabelCurrencyD = addLabel("LabelCurrencyD", m_content, {225, 334, 15, 20}, Left | Top, T::LbCurrency());
    TextFieldPriHT = addField("TextFieldPriHT", m_content, {150, 333, 70, 22}, Left | Top, right);
    LabelPriceHT = addLabel("LabelPriceHT", m_content, {22, 334, 122, 20}, Left | Top, T::LbTxtPriceHT());
    for (QWidget* w : {static_cast<QWidget*>(LabelCurrencyD), static_cast<QWidget*>(TextFieldPriHT),
                       static_cast<QWidget*>(LabelPriceHT)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, HTBlue);
        pal.setColor(QPalette::Text, HTBlue);
        w->setPalette(pal);
        w->setVisible(false);
    }

    connect(PushButtInfoCde, &QPushButton::clicked, this, &WinMain::PushButtInfoCde_Action);
    connect(PushButtSendMail, &QPushButton::clicked, this, &WinMain::PushButtSendMail_Action);
    connect(PushButtOuvComp, &QPushButton::clicked, this, &WinMain::PushButtOuvComp_Action);

    // Only a user's click runs a group's handler; selecting from the program does not.
    for (int g = 0; g < GroupCount; ++g) {
        const Group group = static_cast<Group>(g);
        connect(m_groups[g], &QButtonGroup::idClicked, this,
                [this, group](int index) { m_config->optionClicked(group, index); });
    }

    CanvasStove_->setSources([this] { return m_app.prefs.initProg; }, [this] { return TextFieldRef->text(); });
}

QRadioButton* WinMain::radioButton(Group group, int index) const
{
    return qobject_cast<QRadioButton*>(radioGroup(group)->button(index));
}

bool WinMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_content && event->type() == QEvent::Resize) {
        layoutControls();
        WinMresized(); // while resizing and when it ends alike
    }
    return QMainWindow::eventFilter(watched, event);
}

void WinMain::layoutControls()
{
    const int dx = m_content->width() - DesignWidth;
    const int dy = m_content->height() - DesignHeight;
    for (const Placed& p : m_placed) {
        if (p.widget->parentWidget() != m_content)
            continue; // a group's children move with their group
        QRect r = p.design;
        if ((p.anchors & Left) && (p.anchors & Right))
            r.setWidth(r.width() + dx);
        else if (p.anchors & Right)
            r.translate(dx, 0);
        if ((p.anchors & Top) && (p.anchors & Bottom))
            r.setHeight(r.height() + dy);
        else if (p.anchors & Bottom)
            r.translate(0, dy);
        p.widget->setGeometry(r);
    }
}

void WinMain::WinMresized()
{
    if (!PushButtOuvComp)
        return;
    PushButtOuvComp->move((m_content->width() - PushButtOuvComp->width()) / 2, PushButtOuvComp->y());
}

// --- Start-up ----------------------------------------------------------------

void WinMain::fillRateCaptions()
{
    const QStringList tva = tvaCaptions();
    for (int i = 0; i < groupSize(Group::TVA); ++i)
        radioButton(Group::TVA, i)->setText(tva.value(i));
    const QStringList credImp = credImpCaptions();
    for (int i = 0; i < groupSize(Group::CredImp); ++i)
        radioButton(Group::CredImp, i)->setText(credImp.value(i));
}

void WinMain::failStart(const QString& detail)
{
    show();
    Fncts::Beep();
    Fncts::ErrorReport2(Fncts::EOL() + detail);
    Fncts::DrapMenu = true; // so that the close is not refused
    close();
}

bool WinMain::Event_Open()
{
    Prefs& prefs = m_app.prefs;

    Fncts::DecPosCtrl(this);
    fillRateCaptions();
    prefs.DrapOkQuit = false;
    prefs.DateDuJour = QDateTime::currentDateTime();

    QPalette pal = palette();
    pal.setColor(QPalette::Window, WindowGrey);
    // Disabled captions must stay readable on the grey.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, QColor(118, 118, 118));
    setPalette(pal);
    setAutoFillBackground(true);

    const QImage noStove = Fncts::NoStove();
    PicNoStove = CreatePict(noStove, Localisation::Txt_CombiImposs());
    PicNoVisual = CreatePict(noStove, Localisation::Txt_VisuelIndispo());
    CanvasStove_->setPlaceholders(PicNoStove, PicNoVisual);

    // The photo folder and the comparator page inside "Contents".
    DossStoves = m_folders.contents;
    if (Fncts::PasNil_Existe_Alias(DossStoves, true)) {
        const QDir contents(m_folders.contents);
        FichComp = contents.filePath(QStringLiteral("Comparateur/index.html"));
        DossStoves = contents.filePath(QStringLiteral("StovesDoss"));
        if (!Fncts::PasNil_Existe_Alias(DossStoves, true)) {
            DossStoves = contents.filePath(QStringLiteral("StovesDossTest"));
            if (Fncts::PasNil_Existe_Alias(DossStoves, true))
                Fncts::PlainMessage(QStringLiteral("Version test allégée, ne changer que les Modèles, sinon pas de photo !")
                                    + Fncts::EOL() + QLatin1Char(' ') + Fncts::EOL()
                                    + QStringLiteral("Test version lightened, change only the Models, otherwise no photo!"));
        }
    }
    if (!QFileInfo(DossStoves).isDir()) {
        DossStoves = m_folders.applicationFolder;
        failStart(QStringLiteral("DossStoves doesn't exists !") + Fncts::EOL()
                  + QStringLiteral("Wich Target (Do you have a PC or a Mac or …) ?"));
        return false;
    }
    CanvasStove_->setPhotoFolder(DossStoves);

    // The preferences folder: "Kaminor" inside the user's configuration folder, or
    // "KaminorPrefs" beside the program when the system has none.
    // A configuration folder the system names but has not made yet (a new account) is made here.
    if (!m_folders.userPreferences.isEmpty())
        prefs.DossierPref = QDir(m_folders.userPreferences).filePath(QStringLiteral("Kaminor"));
    else
        prefs.DossierPref = QDir(m_folders.applicationFolder).filePath(QStringLiteral("KaminorPrefs"));
    if (!prefs.DossierPref.isEmpty() && !QFileInfo(prefs.DossierPref).isDir())
        QDir().mkpath(prefs.DossierPref);
    if (!QFileInfo(prefs.DossierPref).isDir()) {
        failStart(QStringLiteral("WinMain.Open, Impossible to create the Preferences folder."));
        return false;
    }

    QRect b = bounds();
    Selection selection = m_config->remembered();
    const QSize screenSize = m_screenSize.isValid() ? m_screenSize
                             : QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                                : QSize(DesignWidth, DesignHeight);
    const bool firstRun = PrefsCharger(prefs, prefs.DossierPref, b, selection, screenSize);
    setBounds(b);
    m_config->setRemembered(selection);

    m_config->InitIDEvalues();
    prefs.DrapAffPrices = pricePasswordOk(prefs.PasswPrix);
    ModePartPro();
    m_config->Generate(selection.body, selection.doorGlass, selection.color, selection.side, selection.plate,
                       selection.tablet, selection.doorLogs);

    Fncts::DrapMenu = true;
    m_app.EnableMenuBoutons();
    prefs.initProg = true;

    CanvasStove_->update();
    WinMresized();
    show();

    if (firstRun)
        m_app._AppleApropos_Action();

    m_update->startAutomaticIfDue(prefs.AutoCheckUpdt, prefs.DateDuJour, prefs.DateLaunch);
    return true;
}

// --- Close -------------------------------------------------------------------

bool WinMain::Event_CancelClose()
{
    if (!m_app.prefs.DrapOkQuit && !Fncts::DrapMenu)
        Fncts::Beep();
    return !Fncts::DrapMenu;
}

void WinMain::Event_Close()
{
    Prefs& prefs = m_app.prefs;
    if (prefs.DrapOkQuit)
        return;
    prefs.DrapOkQuit = true;
    if (prefs.initProg)
        PrefsSauver(prefs, prefs.DossierPref, bounds(), m_config->remembered());
    QCoreApplication::quit();
}

void WinMain::closeEvent(QCloseEvent* event)
{
    if (Event_CancelClose()) {
        event->ignore();
        return;
    }
    Event_Close();
    event->accept();
}

// --- What the preferences window asks -------------------------------------------

QList<QWidget*> WinMain::helpTagControls() const
{
    QList<QWidget*> controls;
    controls.reserve(qsizetype(m_placed.size()));
    for (const Placed& p : m_placed)
        controls.append(p.widget);
    return controls;
}

void WinMain::AffMasqHelpTag(const QString&, const QString&)
{
    const bool show = m_app.prefs.AffHelpTag;
    const QList<QWidget*> controls = helpTagControls();
    if (MemHlpTgTxt.isEmpty()) {
        // First call of the run: the texts the window was built with.
        for (QWidget* w : controls) {
            MemHlpTgTxt.append(w->toolTip());
            if (!show)
                w->setToolTip(QString());
        }
        return;
    }
    for (qsizetype k = 0; k < controls.size(); ++k)
        controls[k]->setToolTip(show ? MemHlpTgTxt.value(k) : QString());
}

// --- Contact buttons and comparator ---------------------------------------------

ContactInputs WinMain::contactInputs()
{
    Prefs& prefs = m_app.prefs;
    // The stored password decides, not what the window shows.
    prefs.DrapAffPrices = pricePasswordOk(prefs.PasswPrix);

    ContactInputs in;
    in.dealer = prefs.DrapAffPrices;
    in.reference = TextFieldRef->text();
    in.priceHTLine = LabelPriceHT->text() + QLatin1Char(' ') + TextFieldPriHT->text() + QLatin1Char(' ')
        + LabelCurrency->text();
    in.sendMailTitle = LabelSendMail->text();
    in.description = m_config->RetDescripPoele();
    in.prices = m_config->RetPrixPoele();
    in.details = prefs.MyDetails;
    return in;
}

void WinMain::sendContact(const ContactText& text, bool withRecipient)
{
    // The Option key is read once the text is ready.
    if (OptionKeyDown()) {
        PlayCopyBip();
        Fncts::PressPapTxt(ContactClipboardText(text, withRecipient));
        return;
    }
    const Fncts::MailTo mail = Fncts::BuildMailTo(text.recipient, text.subject, text.body, m_app.prefs.EncodWin);
    QDesktopServices::openUrl(mail.url);
}

void WinMain::PushButtInfoCde_Action()
{
    sendContact(InfoCdeText(contactInputs()), true);
}

void WinMain::PushButtSendMail_Action()
{
    sendContact(SendMailText(contactInputs()), false);
}

void WinMain::PushButtOuvComp_Action()
{
    if (Fncts::PasNil_Existe_Alias(FichComp, true)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(FichComp));
        return;
    }
    Fncts::Beep();
    Fncts::ErrorReport2(Fncts::EOL() + QStringLiteral("FichComp doesn't exists !") + Fncts::EOL()
                        + QStringLiteral("Wich Target (Do you have a PC or a Mac or …) ?"));
}

void WinMain::ModePartPro()
{
    m_config->ModePartPro();
}

void WinMain::GenerateRemembered()
{
    const Selection& m = m_config->remembered();
    m_config->Generate(m.body, m.doorGlass, m.color, m.side, m.plate, m.tablet, m.doorLogs);
}

// --- What the configuration logic sees ----------------------------------------

void WinMain::selectButton(Group group, int index)
{
    if (QAbstractButton* b = radioGroup(group)->button(index))
        b->setChecked(true); // idClicked is not raised: the handler stays quiet
}

void WinMain::setFieldText(Field field, const QString& text)
{
    switch (field) {
    case Field::Ref: TextFieldRef->setText(text); break;
    case Field::PriHT: TextFieldPriHT->setText(text); break;
    case Field::PriTTC: TextFieldPriTTC->setText(text); break;
    case Field::CredImp: TextFieldCredImp->setText(text); break;
    case Field::CoutFin: TextFieldCoutFin->setText(text); break;
    }
}

QString WinMain::fieldText(Field field) const
{
    switch (field) {
    case Field::Ref: return TextFieldRef->text();
    case Field::PriHT: return TextFieldPriHT->text();
    case Field::PriTTC: return TextFieldPriTTC->text();
    case Field::CredImp: return TextFieldCredImp->text();
    case Field::CoutFin: return TextFieldCoutFin->text();
    }
    return QString();
}

void WinMain::requestRepaint()
{
    CanvasStove_->update();
}

void WinMain::armRevertTimer(int milliseconds)
{
    TimerMemIDE->start(milliseconds);
}

void WinMain::enableMenuBoutons()
{
    m_app.EnableMenuBoutons();
}

void WinMain::setButtonsEnabled(bool enabled)
{
    for (QButtonGroup* group : m_groups)
        for (QAbstractButton* b : group->buttons())
            b->setEnabled(enabled);
    PushButtInfoCde->setEnabled(enabled);
    PushButtOuvComp->setEnabled(enabled);
    PushButtSendMail->setEnabled(enabled);
}

void WinMain::setPricesVisible(bool visible)
{
    GroupBoxPrices->setVisible(visible);
    GroupBoxCredImp->setVisible(visible);
    GroupBoxTVA->setVisible(visible);
}

void WinMain::setContactCaption(const QString& caption)
{
    PushButtInfoCde->setText(caption);
}

void WinMain::playSound(Sound sound)
{
    Fncts::PlayT(sound == Sound::Bop ? Fncts::Bop() : Fncts::Zoum());
}

bool WinMain::soundEffectsOn() const
{
    return m_app.prefs.Sfx;
}

bool WinMain::pricesShown() const
{
    return m_app.prefs.DrapAffPrices;
}

double WinMain::priceCoefficient() const
{
    return m_app.prefs.CoeffPrix;
}

QString WinMain::buttonCaption(Group group, int index) const
{
    const QAbstractButton* b = radioGroup(group)->button(index);
    return b ? b->text() : QString();
}

QString WinMain::labelText(Label label) const
{
    switch (label) {
    case Label::PriceHT: return LabelPriceHT->text();
    case Label::PriceTTC: return LabelPriceTTC->text();
    case Label::CredImp: return LabelCredImp->text();
    case Label::CoutFin: return LabelCoutFin->text();
    case Label::Currency: return LabelCurrency->text();
    }
    return QString();
}

QString WinMain::groupCaption(Group group) const
{
    const QAbstractButton* first = radioGroup(group)->buttons().value(0);
    const auto* box = first ? qobject_cast<const QGroupBox*>(first->parentWidget()) : nullptr;
    return box ? box->title() : QString();
}

} // namespace Kaminor
