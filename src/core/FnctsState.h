// The module-wide state that ties the user interface together.
#pragma once

#include <QString>
#include <QStringConverter>

#include <optional>

namespace Fncts {

// True while the user interface accepts commands. Generate clears it while it
// works and during a refusal; modal dialogs keep it, clear it and put it back.
inline bool DrapMenu = false;

// The application's default text encoding, set when the application opens.
inline std::optional<QStringConverter::Encoding> DefAppEncod;

// Text received by the update check, and whether that check reports every outcome.
inline QString TexteVerMaJ;
inline bool AlertVerAjour = false;

// Keeps DrapMenu, clears it, and puts the kept value back when it goes out of scope.
class DrapMenuHold {
public:
    DrapMenuHold() : m_kept(DrapMenu) { DrapMenu = false; }
    ~DrapMenuHold() { DrapMenu = m_kept; }
    DrapMenuHold(const DrapMenuHold&) = delete;
    DrapMenuHold& operator=(const DrapMenuHold&) = delete;
    bool kept() const { return m_kept; }

private:
    bool m_kept;
};

} // namespace Fncts
