// A window stand-in for the configuration tests: it records what the
// configuration logic asks of it and shows fixed French captions.
#pragma once

#include "core/ConfigView.h"
#include "core/Configurator.h"
#include "core/FnctsState.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <QTimer>

class FakeView : public Kaminor::ConfigView {
public:
    using Group = Kaminor::Group;

    FakeView()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (configurator)
                configurator->TimerMemIDE_Action();
        });
    }

    void selectButton(Group group, int index) override
    {
        selected[group] = index;
        selections << qMakePair(group, index);
    }
    void setFieldText(Kaminor::Field field, const QString& text) override
    {
        fields[field] = text;
        fieldWrites << field;
    }
    QString fieldText(Kaminor::Field field) const override { return fields.value(field); }
    void requestRepaint() override { ++repaints; }
    void armRevertTimer(int milliseconds) override
    {
        timerArms << milliseconds;
        m_timer.start(milliseconds);
    }
    // Records whether the controls were enabled (DrapMenu) at each refresh.
    void enableMenuBoutons() override { enabledStates << Fncts::DrapMenu; }
    void setPricesVisible(bool visible) override { pricesVisible = visible; }
    void setContactCaption(const QString& caption) override { contactCaption = caption; }
    void playSound(Kaminor::Sound sound) override { sounds << sound; }
    bool soundEffectsOn() const override { return sfx; }
    bool pricesShown() const override { return dealer; }
    double priceCoefficient() const override { return coefficient; }

    QString buttonCaption(Group group, int index) const override
    {
        static const QMap<Group, QStringList> captions{
            {Group::Body, {"Kolda", "Tessa", "Orvo", "Zelta", "Hodra"}},
            {Group::DoorGlass, {"Oui", "Non"}},
            {Group::Color, {"Gris", "Noir"}},
            {Group::Side,
             {"Acier laqué gris argent", "Acier laqué gris", "Acier laqué noir", "Granit noir",
              "Pierre ollaire serpentino", "Céramique blanche"}},
            {Group::Plate, {"Sans", "Granit noir", "Pierre ollaire serpentino", "Céramique blanche"}},
            {Group::Tablet, {"Sans", "Granit noir", "Pierre ollaire serpentino", "Céramique blanche"}},
            {Group::DoorLogs, {"Acier", "Verre sérigraphié", "Sans"}},
            {Group::CredImp, {"CI 0%", "CI 30%"}},
            {Group::TVA, {"TVA 5,5%", "TVA 10%", "TVA 20%"}},
        };
        return captions.value(group).value(index);
    }
    QString groupCaption(Group group) const override
    {
        switch (group) {
        case Group::Plate: return "Plaque de dessus";
        case Group::Tablet: return "Tablette chauffe-plat";
        case Group::DoorGlass: return "Porte verre sérigraphié";
        case Group::DoorLogs: return "Porte de bûcher";
        default: return QString();
        }
    }

    Kaminor::Configurator* configurator = nullptr;
    bool sfx = true;
    bool dealer = false;
    double coefficient = 1.0;

    QMap<Group, int> selected;
    QList<QPair<Group, int>> selections;
    QMap<Kaminor::Field, QString> fields;
    QList<Kaminor::Field> fieldWrites;
    QList<int> timerArms;
    QList<bool> enabledStates;
    QList<Kaminor::Sound> sounds;
    int repaints = 0;
    bool pricesVisible = false;
    QString contactCaption;

private:
    QTimer m_timer;
};
