#include "biglist.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

// UTF-8 to Windows-1251 for the characters the generator uses: ASCII, А..я, Ё, ё, «, » and №.
std::string ToCp1251(const std::string &utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        unsigned code = 0;
        if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            i += 1;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                   (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            i += 2;
        }
        if (code >= 0x410 && code <= 0x44F)
            out += char(0xC0 + (code - 0x410));
        else if (code == 0x401)
            out += char(0xA8);
        else if (code == 0x451)
            out += char(0xB8);
        else if (code == 0xAB || code == 0xBB)
            out += char(code);
        else if (code == 0x2116)
            out += char(0xB9);
        else
            throw std::logic_error("generator text outside Windows-1251");
    }
    return out;
}

std::string Num(int value, int width)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

const char *const kWords[] = {"Лесная", "Северная", "Тихая", "Звёздная", "Осенняя", "Морская",
                              "Дальняя", "Зимняя", "Ночная", "Светлая"};

class ListText {
public:
    void Line(const std::string &utf8) { fText += ToCp1251(utf8) + "\r\n"; }
    std::string &Text() { return fText; }

private:
    std::string fText;
};

// Texts carry the artist, album and song numbers, so that no two are equal (as on a real disc).
void WriteSong(ListText &t, const std::string &folder, const std::string &albumId, int song)
{
    const std::string n = Num(song + 1, 2);
    const std::string id = albumId + "-" + n;
    t.Line("[Song]");
    t.Line("Title=Песня №" + id + " «" + kWords[song % 10] + " дорога»");
    t.Line("File=" + folder + n + " Песня.mp3");
    t.Line("Picture=" + folder + "фото " + n + ".jpg");
    t.Line("Text=" + folder + "текст " + n + ".txt");
    t.Line("Comment=Запись " + id + ", студия «" + kWords[(song + 3) % 10] + "»");
    t.Line("");
}

void WriteAlbum(ListText &t, const std::string &artistFolder, const std::string &artistId,
                int album, int songs)
{
    const std::string n = Num(album + 1, 2);
    const std::string id = artistId + "-" + n;
    const std::string folder = artistFolder + "Альбом " + n + "\\";
    t.Line("[Album]");
    t.Line("Name=Альбом №" + id + " " + kWords[album % 10]);
    t.Line("Year=" + std::to_string(1970 + album));
    t.Line("Picture=" + folder + "обложка.jpg");
    t.Line("Retsenzia=" + folder + "рецензия.rtf");
    t.Line("Songs=" + std::to_string(songs));
    t.Line("");
    for (int s = 0; s < songs; ++s)
        WriteSong(t, folder, id, s);
}

void WriteArtist(ListText &t, int artist, const BigListShape &shape)
{
    const std::string n = Num(artist + 1, 4);
    const std::string folder = "Исполнитель " + n + "\\";
    t.Line("[Artist]");
    t.Line("Name=Исполнитель №" + n + " " + kWords[artist % 10]);
    t.Line("History=" + folder + "история.rtf");
    t.Line("PicPaths=" + folder + "папки.txt");
    t.Line("Albums=" + std::to_string(shape.albumsPerArtist));
    t.Line("");
    for (int a = 0; a < shape.albumsPerArtist; ++a)
        WriteAlbum(t, folder, n, a, shape.songsPerAlbum);
}

} // namespace

bool WriteBigList(const std::string &path, const BigListShape &shape)
{
    ListText t;
    t.Line("[Common]");
    t.Line("About=readme.rtf");
    t.Line("Photos=Фото");
    t.Line("HTML=html\\index.htm");
    t.Line("Clips=Клипы");
    for (int a = 0; a < shape.artists; ++a)
        WriteArtist(t, a, shape);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(t.Text().data(), std::streamsize(t.Text().size()));
    out.close();
    return bool(out);
}
