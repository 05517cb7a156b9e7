#include "../cli/CliRun.h"
#include "CatalogueTestSupport.h"
#include "catalogue/CableFamilies.h"

namespace {

TEST(CliCatalogue, PrintsEveryFamilyRowWithItsSevenHiddenColumns)
{
    const CliRun run = CliRun::of({u"catalogue"_qs});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    ASSERT_TRUE(run.out.endsWith(u'\n'));
    EXPECT_FALSE(run.out.contains(u'\r'));
    const QStringList lines = run.out.chopped(1).split(u'\n');
    ASSERT_EQ(lines.size(), 1140);
    // family, row, designation, columns 1 to 7: nine tabs on every line
    for (const QString& line : lines)
        ASSERT_EQ(line.count(u'\t'), 9) << line.toStdString();

    EXPECT_EQ(lines.first(), u"IV\t1\tIV 1.6mm\t3.2\t8\t19\t26\t\t\t");
    EXPECT_EQ(lines.last(), u"その他\t109\tMVVS 2sq-20C\t18\t254\t\t600\t\t\t");

    // Every line is the family row it names, marks and blanks included.
    const auto published = readCatalogueFixture(u"designations.tsv"_qs);
    ASSERT_EQ(published.size(), 1140u);
    for (int i = 0; i < 1140; ++i) {
        const QStringList fields = lines[i].split(u'\t');
        EXPECT_EQ(fields.mid(0, 3), published[std::size_t(i)]);
        const CableFamily* family = findCableFamily(fields[0]);
        ASSERT_NE(family, nullptr);
        for (int column = 1; column <= 7; ++column)
            EXPECT_EQ(fields[2 + column], family->value(column, fields[1].toInt()));
    }
    EXPECT_TRUE(lines.contains(u"VVF , VV\t1\tVVF 1.6-2C\t6.2x9.4\t50\t18\t100\t\t\t"));
}

TEST(CliCatalogue, RefusesArguments)
{
    const CliRun run = CliRun::of({u"catalogue"_qs, u"extra"_qs});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
