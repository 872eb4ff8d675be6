#include "library/pictures.h"

#include "platform/filefinder.h"

namespace {

// The picture of a core without a user interface: holds nothing, loads nothing.
class TNoPicture : public TPicture {
public:
    bool LoadFromFile(const QString &) override { return false; }
    QSize NaturalSize() const override { return {}; }
    bool IsEmpty() const override { return true; }
    void Clear() override {}
};

TPictureFactory &Factory()
{
    static TPictureFactory factory;
    return factory;
}

} // namespace

void SetPictureFactory(TPictureFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<TPicture> CreatePicture()
{
    std::unique_ptr<TPicture> picture = Factory() ? Factory()() : nullptr;
    return picture ? std::move(picture) : std::make_unique<TNoPicture>();
}

TPicItem::TPicItem() : fPicture(CreatePicture()) {}

void TPicItem::SetFileName(const QString &value)
{
    if (value == fFileName)
        return;
    const QString existing = FindExistingFile(value);
    if (!existing.isEmpty() && fPicture->LoadFromFile(existing)) {
        fFileName = value;
        fFailedFileName.clear();
    } else {
        fPicture->Clear();
        fFailedFileName = value;
    }
}
