#pragma once
// A path as the library model keeps it: its folder and its name apart, so that the paths of one
// folder share a single copy of the folder's text. A list of 100,000 songs names each album's
// folder some thirty times (files, pictures, texts); whole paths would hold all those copies.
// It reads and writes as a QString; only the storage differs.

#include <QString>

class TFilePath {
public:
    TFilePath() = default;
    explicit TFilePath(const QString &path) { Assign(path); }
    TFilePath &operator=(const QString &path)
    {
        Assign(path);
        return *this;
    }

    // The whole path.
    operator QString() const { return fFolder.isEmpty() ? fName : fFolder + fName; }
    QString ToString() const { return *this; }
    bool isEmpty() const { return fFolder.isEmpty() && fName.isEmpty(); }

    // The same text splits the same way, so the parts compare as the whole paths do.
    friend bool operator==(const TFilePath &a, const TFilePath &b)
    {
        return a.fFolder == b.fFolder && a.fName == b.fName;
    }
    friend bool operator==(const TFilePath &a, const QString &b) { return a.ToString() == b; }

private:
    void Assign(const QString &path);

    QString fFolder; // up to and including the last "/"; empty when the path has none
    QString fName;
};
