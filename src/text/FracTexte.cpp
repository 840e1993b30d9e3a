#include "FracTexte.h"

#include "Feedback.h"

#include <QStringList>

namespace Fncts {

QString FracTexte(const QString& text, qint16 Partie) {
    const QStringList fragments = text.split(QString::fromUtf16(TemplateMarker), Qt::KeepEmptyParts);
    if (Partie >= 1 && Partie <= fragments.size())
        return fragments.at(Partie - 1);

    PlainMessage(errorReportText(QStringLiteral("FracTexte. Partie = ") + QString::number(Partie) + EOL() +
                                 QStringLiteral(" ") + EOL() + text));
    return QString();
}

} // namespace Fncts
