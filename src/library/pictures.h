#pragma once
// The album-cover cache: picture items that load a picture file when their FileName is set.
// The core knows no image decoding: the user interface registers a factory of picture objects;
// without one every load fails.

#include "library/collection.h"

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

// A decoded picture as the core sees it.
class TPicture {
public:
    virtual ~TPicture() = default;
    // Replaces the picture by the file's; false (and the picture emptied) when it cannot be read.
    virtual bool LoadFromFile(const QString &fileName) = 0;
    virtual QSize NaturalSize() const = 0; // pixels; empty size when empty
    virtual bool IsEmpty() const = 0;
    virtual void Clear() = 0;
};

using TPictureFactory = std::function<std::unique_ptr<TPicture>()>;
// Installs the factory that every new picture item uses (an empty one: loads fail).
void SetPictureFactory(TPictureFactory factory);
// A new picture object from the installed factory (one that never loads when none is).
std::unique_ptr<TPicture> CreatePicture();

class TPicItem : public TCollectionItem<TPicItem> {
public:
    TPicItem();
    TPicture &Picture() { return *fPicture; }
    const TPicture &Picture() const { return *fPicture; }
    // The file the picture came from; empty until a load succeeds.
    const QString &FileName() const { return fFileName; }
    // Loads the file (found without regard to letter case) unless value equals FileName; on
    // failure the picture is emptied and FileName keeps its previous value.
    void SetFileName(const QString &value);
    // The value of the last SetFileName that failed; empty once a load succeeds.
    const QString &FailedFileName() const { return fFailedFileName; }

private:
    std::unique_ptr<TPicture> fPicture;
    QString fFileName;
    QString fFailedFileName;
};
using TPicsColl = TCollection<TPicItem>;
