#include "library/pictures.h"

#include "fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Loads files whose content starts with "PIC"; counts loads.
class TFakePicture : public TPicture {
public:
    explicit TFakePicture(int &loads) : fLoads(loads) {}
    bool LoadFromFile(const QString &fileName) override
    {
        ++fLoads;
        const QByteArray bytes = ReadBytes(fileName);
        fSize = bytes.startsWith("PIC") ? QSize(int(bytes.size()), 1) : QSize();
        return !fSize.isEmpty();
    }
    QSize NaturalSize() const override { return fSize; }
    bool IsEmpty() const override { return fSize.isEmpty(); }
    void Clear() override { fSize = QSize(); }

private:
    int &fLoads;
    QSize fSize;
};

class PictureItem : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPictureFactory([this] { return std::make_unique<TFakePicture>(fLoads); });
        fGood = fFolder.Write("Covers/Good.jpg", "PIC12345");
        fBad = fFolder.Write("Covers/bad.jpg", "garbage");
    }
    void TearDown() override { SetPictureFactory({}); }

    TTempFolder fFolder;
    QString fGood, fBad;
    int fLoads = 0;
};

} // namespace

TEST_F(PictureItem, SameNameLoadsOnce)
{
    TPicsColl cache;
    TPicItem &item = cache.Add();
    EXPECT_TRUE(item.FileName().isEmpty());
    item.SetFileName(fGood);
    item.SetFileName(fGood);
    EXPECT_EQ(fLoads, 1);
    EXPECT_EQ(item.FileName(), fGood);
    EXPECT_EQ(item.Picture().NaturalSize(), QSize(8, 1));
}

TEST_F(PictureItem, FailedLoadEmptiesThePictureAndKeepsTheName)
{
    TPicItem item;
    item.SetFileName(fBad);
    EXPECT_TRUE(item.FileName().isEmpty());
    EXPECT_TRUE(item.Picture().IsEmpty());

    item.SetFileName(fGood);
    item.SetFileName(fFolder.Path("Covers/missing.jpg"));
    EXPECT_EQ(item.FileName(), fGood);
    EXPECT_TRUE(item.Picture().IsEmpty());
}

TEST_F(PictureItem, FindsTheFileWithoutRegardToCaseButKeepsTheNameAsGiven)
{
    TPicItem item;
    const QString asWritten = fFolder.Path("COVERS/good.JPG");
    item.SetFileName(asWritten);
    EXPECT_EQ(item.FileName(), asWritten);
    EXPECT_FALSE(item.Picture().IsEmpty());
}

TEST_F(PictureItem, WithoutAFactoryEveryLoadFails)
{
    SetPictureFactory({});
    TPicItem item;
    item.SetFileName(fGood);
    EXPECT_TRUE(item.FileName().isEmpty());
    EXPECT_TRUE(item.Picture().IsEmpty());
    EXPECT_EQ(fLoads, 0);
}
