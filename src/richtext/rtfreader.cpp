#include "richtext/rtfreader.h"

#include <algorithm>
#include <utility>

TRtfReader::TRtfReader(QByteArrayView bytes) : fTokens(bytes) {}

void TRtfReader::Read(TRtfSink &sink)
{
    fSink = &sink;
    fGroups.assign(1, TGroupState()); // outside the document's group
    fGroups.reserve(64);
    while (!fDone) {
        const TRtfToken token = fTokens.Next();
        if (token.kind == TRtfTokenKind::End) {
            fEndedEarly = true;
            break;
        }
        Dispatch(token);
    }
    FlushText();
    CloseTable();
    fSink->Finish(Top().para);
}

void TRtfReader::Dispatch(const TRtfToken &token)
{
    if (fSkipLeft > 0 && SkippedAfterUnicode(token))
        return;
    const bool ignorable = std::exchange(fIgnorableNext, false);
    switch (token.kind) {
    case TRtfTokenKind::GroupOpen: OpenGroup(); break;
    case TRtfTokenKind::GroupClose: CloseGroup(); break;
    case TRtfTokenKind::Word: ControlWord(token, ignorable); break;
    case TRtfTokenKind::Symbol: ControlSymbol(token.symbol); break;
    case TRtfTokenKind::Hex: HexByte(token.hex); break;
    case TRtfTokenKind::Text: TextBytes(token.word); break;
    case TRtfTokenKind::Binary:
        if (!Skipping() && Top().dest == TDest::Picture)
            fPicture.BinaryData(token.word);
        break;
    case TRtfTokenKind::End: break;
    }
}

// The characters that stand in for a \u for readers without Unicode: each plain character, \'hh,
// control word or symbol counts one; a brace ends the count. \bin data goes with its word.
bool TRtfReader::SkippedAfterUnicode(const TRtfToken &token)
{
    switch (token.kind) {
    case TRtfTokenKind::GroupOpen:
    case TRtfTokenKind::GroupClose:
    case TRtfTokenKind::End: fSkipLeft = 0; return false;
    case TRtfTokenKind::Binary: return true;
    case TRtfTokenKind::Text: {
        const size_t skipped = std::min(size_t(fSkipLeft), token.word.size());
        fSkipLeft -= int(skipped);
        if (skipped < token.word.size())
            TextBytes(token.word.substr(skipped));
        return true;
    }
    case TRtfTokenKind::Word:
        if (token.word == "bin")
            StartBinary(token.param);
        --fSkipLeft;
        return true;
    case TRtfTokenKind::Symbol:
    case TRtfTokenKind::Hex: --fSkipLeft; return true;
    }
    return false;
}

void TRtfReader::OpenGroup()
{
    if (fOverflow > 0 || fGroups.size() > size_t(kMaxDepth)) {
        ++fOverflow;
        return;
    }
    fGroups.push_back(fGroups.back());
}

void TRtfReader::CloseGroup()
{
    if (fOverflow > 0) {
        --fOverflow;
        return;
    }
    if (fGroups.size() <= 1)
        return; // a stray brace before the document's group
    const TDest closing = Top().dest;
    const TDest outer = fGroups[fGroups.size() - 2].dest;
    if (closing == TDest::FontTable) {
        CommitFont();
        fCodePage = nullptr;
    }
    fGroups.pop_back();
    if (fGroups.size() == 1)
        fDone = true; // the document's group closed: what follows is not part of it
    else if (closing == TDest::Picture && outer != TDest::Picture)
        EmitPicture();
}

void TRtfReader::ControlWord(const TRtfToken &token, bool ignorable)
{
    const TRtfKeyword *keyword = FindKeyword(token.word);
    if (keyword && keyword->cls == TKwClass::Document && keyword->id == DocBinary) {
        StartBinary(token.param);
        return;
    }
    if (Skipping())
        return;
    TGroupState &state = Top();
    if (keyword && keyword->cls == TKwClass::Destination) {
        StartDestination(keyword->id);
        return;
    }
    // \* marks a destination a reader may skip when it does not know it as one.
    if (!keyword || ignorable || keyword->cls == TKwClass::Skip) {
        if (ignorable || keyword)
            state.dest = TDest::Skip;
        return;
    }
    switch (state.dest) {
    case TDest::Text: BodyWord(*keyword, token); break;
    case TDest::FontTable: FontTableWord(*keyword, token.param); break;
    case TDest::ColorTable: ColorTableWord(*keyword, token.param); break;
    case TDest::Picture:
        if (keyword->cls == TKwClass::Picture)
            fPicture.Word(keyword->id, token.param);
        break;
    case TDest::Skip: break;
    }
}

void TRtfReader::StartDestination(int id)
{
    TGroupState &state = Top();
    switch (id) {
    case DestFontTable:
        state.dest = TDest::FontTable;
        fFontPending = false;
        break;
    case DestColorTable:
        state.dest = TDest::ColorTable;
        fTables.colors.clear();
        fColorGiven = false;
        fRed = fGreen = fBlue = 0;
        break;
    case DestPicture:
        if (state.dest == TDest::Text && fSink->WantsPictures()) {
            state.dest = TDest::Picture;
            fPicture.Start();
        } else {
            state.dest = TDest::Skip;
        }
        break;
    default: break; // \shppict: its \pict is read where it stands
    }
}

void TRtfReader::StartBinary(int count)
{
    fTokens.ExpectBinary(std::max(count, 0));
}

void TRtfReader::ControlSymbol(char symbol)
{
    if (symbol == '*') {
        fIgnorableNext = true;
        return;
    }
    if (Skipping())
        return;
    char16_t c = 0;
    switch (symbol) {
    case '\\': case '{': case '}': c = char16_t(symbol); break;
    case '~': c = u'\u00A0'; break;
    case '-': c = u'\u00AD'; break;
    case '_': c = u'\u2011'; break;
    case '\t': c = u'\t'; break;
    default: return; // \| \: and the like mark index entries and formulas
    }
    if (Top().dest == TDest::FontTable && c < 0x80)
        FontTableBytes(std::string_view(reinterpret_cast<const char *>(&symbol), 1));
    else if (Top().dest == TDest::Text)
        AppendUnit(c);
}

void TRtfReader::TextBytes(std::string_view bytes)
{
    if (Skipping())
        return;
    switch (Top().dest) {
    case TDest::Text: AppendBytes(bytes); break;
    case TDest::FontTable: FontTableBytes(bytes); break;
    case TDest::ColorTable: ColorTableBytes(bytes); break;
    case TDest::Picture:
        if (fPicture.WantsRoom())
            fPicture.ReserveFor(qsizetype(bytes.size()) + fTokens.BytesBeforeGroupEnd());
        fPicture.HexText(bytes);
        break;
    case TDest::Skip: break;
    }
}

void TRtfReader::HexByte(unsigned char byte)
{
    if (Skipping())
        return;
    const char c = char(byte);
    if (Top().dest == TDest::Text)
        AppendBytes(std::string_view(&c, 1));
    else if (Top().dest == TDest::FontTable)
        FontTableBytes(std::string_view(&c, 1));
}
