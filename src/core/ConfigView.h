// What the configuration logic needs of the window that shows it.
// The main window implements it; tests implement it with a fake.
#pragma once

#include "Selection.h"

#include <QString>

namespace Kaminor {

// The read-only text fields that Generate and the prices write.
enum class Field { Ref, PriHT, PriTTC, CredImp, CoutFin };

enum class Sound { Bop, Zoum };

// The labels whose texts the price lines copy: the four amount labels and the
// currency label shown beside the price including VAT.
enum class Label { PriceHT, PriceTTC, CredImp, CoutFin, Currency };

class ConfigView {
public:
    virtual ~ConfigView() = default;

    // Marks button `index` of a group. Must not run the group's action handler.
    virtual void selectButton(Group group, int index) = 0;
    virtual void setFieldText(Field field, const QString& text) = 0;
    virtual QString fieldText(Field field) const = 0;
    // Repaint of the stove picture, with background erase.
    virtual void requestRepaint() = 0;
    // Arms the one-shot revert timer (TimerMemIDE); when it fires the window
    // calls Configurator::TimerMemIDE_Action.
    virtual void armRevertTimer(int milliseconds) = 0;
    // App.EnableMenuBoutons: refresh the menus and enable or disable every option
    // button and the three push buttons according to Fncts::DrapMenu.
    virtual void enableMenuBoutons() = 0;
    // ModePartPro: visibility of the price and rate groups, caption of the contact button.
    virtual void setPricesVisible(bool visible) = 0;
    virtual void setContactCaption(const QString& caption) = 0;

    virtual void playSound(Sound sound) = 0;

    // Settings of the preferences record.
    virtual bool soundEffectsOn() const = 0; // Sfx
    virtual bool pricesShown() const = 0;    // DrapAffPrices
    virtual double priceCoefficient() const = 0; // CoeffPrix

    // What the window shows, read by the description texts: the caption of
    // button `index` of a group, and the caption of a group box.
    virtual QString buttonCaption(Group group, int index) const = 0;
    virtual QString groupCaption(Group group) const = 0;
    // The text of a label, as shown. A view without these labels gets the catalogue texts.
    virtual QString labelText(Label label) const;
};

} // namespace Kaminor
