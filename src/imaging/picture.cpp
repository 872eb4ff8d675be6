#include "imaging/picture.h"

#include "imaging/limits.h"
#include "imaging/pictureformat.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray ReadPictureFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EPictureError(
            QStringLiteral("Не удается открыть файл %1: %2").arg(fileName, file.errorString()));
    if (file.size() > kMaxFileBytes)
        throw EPictureError(QStringLiteral("Файл слишком велик для рисунка: ") + fileName);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EPictureError(
            QStringLiteral("Не удается прочитать файл %1: %2").arg(fileName, file.errorString()));
    return bytes;
}

} // namespace

TImagePicture::TImagePicture() = default;
TImagePicture::TImagePicture(const TImagePicture &other) = default;
TImagePicture &TImagePicture::operator=(const TImagePicture &other) = default;
TImagePicture::~TImagePicture() = default;

void TImagePicture::Load(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    const TPictureFormat *format = FormatForSuffix(suffix);
    if (!format) throw EPictureError(QStringLiteral("Неизвестный тип рисунка: ") + fileName);
    std::shared_ptr<const TPictureData> data = format->open(ReadPictureFile(fileName));
    fData = std::move(data);
    fFormatName = QLatin1String(format->name);
}

void TImagePicture::LoadFromData(const QByteArray &bytes, const QString &formatName)
{
    const TPictureFormat *format = FormatForName(formatName);
    if (!format) throw EPictureError(QStringLiteral("Неизвестный формат рисунка: ") + formatName);
    std::shared_ptr<const TPictureData> data = format->open(bytes);
    fData = std::move(data);
    fFormatName = QLatin1String(format->name);
}

bool TImagePicture::LoadFromFile(const QString &fileName)
{
    try {
        Load(fileName);
        return true;
    } catch (const EPictureError &) {
        Clear();
        return false;
    }
}

QSize TImagePicture::NaturalSize() const
{
    return fData ? fData->NaturalSize() : QSize();
}

bool TImagePicture::IsEmpty() const
{
    return !fData;
}

void TImagePicture::Clear()
{
    fData.reset();
    fFormatName.clear();
}

void TImagePicture::Draw(QPainter &painter, const QRectF &target) const
{
    if (fData && target.isValid()) fData->Draw(painter, target);
}

QImage TImagePicture::ToImage(QSize size) const
{
    if (!fData) throw EPictureError(QStringLiteral("Рисунок пуст"));
    const QSize wanted = size.isEmpty() ? fData->NaturalSize() : size;
    if (!IsAcceptablePictureSize(wanted))
        throw EPictureError(QStringLiteral("Размер рисунка слишком велик: %1x%2")
                                .arg(wanted.width())
                                .arg(wanted.height()));
    return fData->Render(wanted);
}

void InstallPictureFactory()
{
    SetPictureFactory([] { return std::make_unique<TImagePicture>(); });
}

QImage DecodePictureBytes(const QByteArray &bytes, const QString &formatName, const QSize &goal)
{
    try {
        TImagePicture picture;
        picture.LoadFromData(bytes, formatName);
        return picture.ToImage(goal);
    } catch (const EPictureError &) {
        return QImage();
    }
}
