#include "platform/placeholders.h"

#include <gtest/gtest.h>

namespace {

std::optional<QString> Letters(QChar c)
{
    if (c == u'a')
        return QStringLiteral("Альбом");
    if (c == u'e')
        return QString(); // a known letter with an empty value
    return std::nullopt;
}

} // namespace

TEST(Placeholders, ExpandsKnownLettersAndKeepsTheRest)
{
    const struct {
        const char16_t *Format;
        const char16_t *Expected;
    } cases[] = {
        {u"", u""},
        {u"plain", u"plain"},
        {u"%a", u"Альбом"},
        {u"[%a]-[%e]", u"[Альбом]-[]"},
        {u"%x%a", u"%xАльбом"},
        {u"100%", u"100%"},
        {u"%%a", u"%%a"},
        {u"%a%", u"Альбом%"},
        {u"%", u"%"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ExpandPlaceholders(c.Format, Letters), QString::fromUtf16(c.Expected))
            << QString::fromUtf16(c.Format).toStdString();
}
