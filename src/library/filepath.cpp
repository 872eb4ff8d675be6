#include "library/filepath.h"

#include <array>

namespace {

// The folders of the paths made last: the paths of one album arrive together, so a few recent
// folders find nearly every repeat without a table that would outlive the lists.
struct TRecentFolders {
    static constexpr size_t Size = 4;
    std::array<QString, Size> Folders;
    size_t Next = 0;

    QString Shared(QStringView folder)
    {
        for (const QString &known : Folders)
            if (known == folder)
                return known;
        QString &slot = Folders[Next];
        Next = (Next + 1) % Size;
        slot = folder.toString();
        return slot;
    }
};

} // namespace

void TFilePath::Assign(const QString &path)
{
    thread_local TRecentFolders recent;
    const qsizetype cut = path.lastIndexOf(u'/') + 1;
    if (cut == 0) {
        fFolder.clear();
        fName = path;
        return;
    }
    fFolder = recent.Shared(QStringView(path).first(cut));
    fName = path.sliced(cut);
}
