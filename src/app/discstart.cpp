#include "app/discstart.h"

#include "platform/ini.h"
#include "platform/listpath.h"
#include "settings/mainsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString IdentifierOrNone(const QString &id) { return id.isEmpty() ? NoDiskID : id; }

} // namespace

QString DiscFileName(const QString &programFile)
{
    const QFileInfo program(programFile);
    const QString name = program.fileName();
    const qsizetype dot = name.indexOf('.');
    const QString discName = dot < 0 ? name + ".ini" : name.left(dot);
    return program.absolutePath() + '/' + discName;
}

TDiscList FindDiscList(const QString &programFile)
{
    const QString discFile = DiscFileName(programFile);
    const QString folder = QFileInfo(programFile).absolutePath() + '/';
    TDiscList disc;
    if (QFileInfo(discFile).isFile()) {
        TIniFile ini;
        ini.Load(discFile);
        disc.DiskID = IdentifierOrNone(ini.ReadString("lorvanta", "diskid", NoDiskID));
        const QString list = ini.ReadString("lorvanta", "playlist");
        if (!list.isEmpty())
            disc.ListFile = TListPaths(discFile).Expand(list);
        return disc;
    }
    const QStringList lists =
        QDir(folder).entryList({"*.pl"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    if (lists.isEmpty()) {
        disc.DiskID = NoDiskID;
        return disc;
    }
    disc.DiskID = IdentifierOrNone(lists.first().section('.', 0, 0));
    disc.ListFile = folder + lists.first();
    return disc;
}

bool IsOnOpticalDisc(const QString &folder)
{
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    return type == "iso9660" || type == "udf";
}

QString InvokedProgramFile(const QString &argv0)
{
    if (argv0.contains('/'))
        return QFileInfo(argv0).absoluteFilePath();
    return QCoreApplication::applicationFilePath();
}
