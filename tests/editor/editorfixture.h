#pragma once
// The editor on a small library of its own, with the scripted prompt answering its dialogs.

#include "editor/editorf.h"

#include "scriptedprompt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class QLineEdit;

class EditorTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Two artists: "Blue" (history blue.txt, picture paths blue.pp) with albums "First" (1999,
    // cover first.jpg, review first.rtf; songs "a", "b") and "Second" (song "c"); "Green" with
    // album "Only" (songs "d", "e", "f"). Files are named in the temporary folder, not created.
    void FillStandardLibrary();
    QTreeWidgetItem *Node(int artist, int album = -1, int song = -1) const;
    void Select(int artist, int album = -1, int song = -1);
    // The tree's captions in tree order, one level deeper per "  ".
    QStringList TreeText() const;
    // Writes a file (an MP3 with an ID3v1 tag when title is given) and returns its path.
    QString WriteFile(const QString &relative, const QString &title = QString(),
                      const QString &comment = QString()) const;
    QString Path(const QString &relative) const { return dir.filePath(relative); }
    // Types text into an edit key by key; Backspace as "\b".
    static void Type(QLineEdit *edit, const QString &text);

    TScriptedPrompt prompt;
    QTemporaryDir dir;
    std::unique_ptr<TEditorF> editor;
};
