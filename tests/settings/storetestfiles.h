#pragma once
// A temporary settings folder for the store tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TStoreFolder {
public:
    QString Path(const QString &name = "lorvanta.reg") const { return Dir_.filePath(name); }

    void Write(const QByteArray &bytes, const QString &name = "lorvanta.reg") const
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QByteArray Read(const QString &name = "lorvanta.reg") const
    {
        QFile file(Path(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // Every entry of the folder but the lock file, sorted.
    QStringList Entries() const
    {
        QStringList names = QDir(Dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll("lorvanta.reg.lock");
        return names;
    }

private:
    QTemporaryDir Dir_;
};
