#include "locale/system_regional_settings.h"

#include <QLocale>
#include <QString>

namespace worvanta::locale {

namespace {

bool isFormatLetter(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

// The first character between the day, month and year fields.
QString dateSeparatorOf(const QString& format)
{
    bool inQuote = false;
    bool seenField = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            continue;
        if (isFormatLetter(c))
            seenField = true;
        else if (seenField)
            return QString(c);
    }
    return QStringLiteral("-");
}

// Removes the time-zone fields (runs of t) and the spaces next to them.
QString withoutTimeZone(const QString& format)
{
    QString result;
    bool inQuote = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            inQuote = !inQuote;
        if (!inQuote && c == u't') {
            while (!result.isEmpty() && result.back() == u' ')
                result.chop(1);
            while (i + 1 < format.size() && (format[i + 1] == u't' || format[i + 1] == u' '))
                ++i;
            continue;
        }
        result.append(c);
    }
    return result.trimmed();
}

}  // namespace

engine::RegionalSettings regionalSettingsOf(const QLocale& locale)
{
    if (locale.language() == QLocale::C) {
        return engine::RegionalSettings{
            .decimalSeparator = ".",
            .thousandsSeparator = {},
            .currencySymbol = {},
            .dateSeparator = "-",
            .shortDateFormat = "yyyy-MM-dd",
            .longTimeFormat = "HH:mm:ss",
            .amDesignator = "AM",
            .pmDesignator = "PM",
        };
    }
    engine::RegionalSettings settings;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    settings.decimalSeparator = locale.decimalPoint().toStdString();
    settings.thousandsSeparator = locale.groupSeparator().toStdString();
    settings.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
    settings.dateSeparator = dateSeparatorOf(shortDate).toStdString();
    settings.shortDateFormat = shortDate.toStdString();
    settings.longTimeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat)).toStdString();
    settings.amDesignator = locale.amText().toStdString();
    settings.pmDesignator = locale.pmText().toStdString();
    return settings;
}

engine::RegionalSettings systemRegionalSettings()
{
    return regionalSettingsOf(QLocale::system());
}

}  // namespace worvanta::locale
