#include "calculatorname.h"

#include "format.h"

#include <QRegularExpression>

namespace picfile {

bool isCalculatorName(const QString &name)
{
    static const QRegularExpression rule(QStringLiteral("^[a-z][a-z0-9_]{0,7}$"));
    return rule.match(name).hasMatch();
}

QString calculatorName(const QString &fileName)
{
    QString name;
    for (const QChar c : fileName.normalized(QString::NormalizationForm_D).toLower())
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_')
            name += c;
    name.truncate(kNameLength);
    return isCalculatorName(name) ? name : QString();
}

} // namespace picfile
