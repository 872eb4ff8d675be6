#pragma once
// Reads an RTF document and tells a sink what it holds (see rtfsink.h). One pass over the bytes,
// no recursion: groups live on a stack of bounded depth, and groups nested deeper are skipped
// whole. Unknown control words are ignored, unknown destinations after \* skipped, and a document
// that ends early (unclosed groups, a cut file) gives what was read.

#include "richtext/codepages.h"
#include "richtext/rtfkeywords.h"
#include "richtext/rtfpicturereader.h"
#include "richtext/rtfsink.h"
#include "richtext/rtftokenizer.h"

#include <QString>
#include <vector>

class TRtfReader {
public:
    // Groups nested deeper than this are skipped with their content.
    static constexpr int kMaxDepth = 512;
    // Past either many paragraphs or table cells the rest of the document is not read: it keeps
    // the document's memory in proportion to what a reader can use.
    static constexpr int kMaxParagraphs = 500000;
    static constexpr int kMaxCells = 100000;

    // bytes: the document from its opening "{"; it must outlive the reader.
    explicit TRtfReader(QByteArrayView bytes);

    // The font and colour tables, filled while reading.
    const TRtfTables &Tables() const { return fTables; }
    void Read(TRtfSink &sink);
    // After Read: whether the bytes ran out before the document's group closed (a file cut
    // short, a closing brace missing).
    bool EndedEarly() const { return fEndedEarly; }

private:
    enum class TDest : uint8_t { Text, Skip, FontTable, ColorTable, Picture };

    struct TGroupState {
        TDest dest = TDest::Text;
        int unicodeSkip = 1; // \uc: characters that stand in for each \u
        TRtfCharProps chars;
        TRtfParaProps para;
    };

    TGroupState &Top() { return fGroups.back(); }
    bool Skipping() const { return fOverflow > 0 || fGroups.back().dest == TDest::Skip; }

    void Dispatch(const TRtfToken &token);
    bool SkippedAfterUnicode(const TRtfToken &token);
    void OpenGroup();
    void CloseGroup();
    void ControlWord(const TRtfToken &token, bool ignorable);
    void ControlSymbol(char symbol);
    void TextBytes(std::string_view bytes);
    void HexByte(unsigned char byte);
    void StartBinary(int count);
    void StartDestination(int id);

    // Body text (rtfreader_text.cpp).
    void BodyWord(const TRtfKeyword &keyword, const TRtfToken &token);
    const TCodePageTable &CodePage();
    bool BeginText();
    void AppendBytes(std::string_view bytes);
    void AppendUnit(char16_t unit);
    void DropLoneSurrogate();
    void AppendUnicode(int param);
    void FlushText();
    void BeforeContent(bool tableContent);
    void Break(int id);
    void EndParagraph(bool pageBreak);
    void EndCell();
    void EndRow();
    void CloseTable();
    void EmitPicture();

    // Formatting words (rtfreader_format.cpp).
    static void ApplyChar(TRtfCharProps &chars, int id, const TRtfToken &token);
    void ApplyPara(TRtfParaProps &para, int id, const TRtfToken &token);
    void ApplyRow(int id, int param);

    // Font and colour tables (rtfreader_tables.cpp).
    void FontTableWord(const TRtfKeyword &keyword, int param);
    void FontTableBytes(std::string_view bytes);
    void CommitFont();
    void ColorTableWord(const TRtfKeyword &keyword, int param);
    void ColorTableBytes(std::string_view bytes);

    TRtfTokenizer fTokens;
    TRtfSink *fSink = nullptr;
    TRtfTables fTables;
    std::vector<TGroupState> fGroups;
    int fOverflow = 0; // groups opened past kMaxDepth, skipped whole
    bool fDone = false;
    bool fEndedEarly = false;
    bool fIgnorableNext = false; // after \*
    int fSkipLeft = 0;           // characters still to skip after \u
    char16_t fHighSurrogate = 0; // the first half of a pair written as two \u

    QString fRun; // text not yet handed to the sink, all in fRunProps
    TRtfCharProps fRunProps;
    bool fRunInTable = false;
    int fCodePageFont = -2; // the font fCodePage belongs to
    const TCodePageTable *fCodePage = nullptr;

    int fParagraphs = 0;
    int fCells = 0;
    bool fRowOpen = false;
    bool fTableOpen = false;
    int fRowCells = 0; // cells ended in the open row
    TRtfRowDef fRowDef;
    TRtfCellDef fCellDef; // what the \cl words said about the next \cellx
    bool fCellBorder = false; // a \clbrdr word waits for its style
    TRtfTabKind fNextTabKind = TRtfTabKind::Left;

    bool fFontPending = false; // a font table entry is being read
    int fFontIndex = 0;
    int fFontCharset = -1;
    int fFontCodePage = 0;
    QByteArray fFontName;
    int fRed = 0;
    int fGreen = 0;
    int fBlue = 0;
    bool fColorGiven = false;

    TRtfPictureReader fPicture;
};
