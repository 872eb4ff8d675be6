#include "views/infopage.h"

#include <QFile>
#include <QFont>
#include <QStringDecoder>
#include <QTextEdit>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

QString DecodeDocument(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1251("windows-1251");
    return cp1251(bytes);
}

} // namespace

TInfoPage::TInfoPage(QWidget *parent) : QWidget(parent)
{
    setObjectName("InfoTS");
    InfoRE = new QTextEdit(this);
    InfoRE->setObjectName("InfoRE");
    InfoRE->setReadOnly(true);
    InfoRE->setLineWrapMode(QTextEdit::WidgetWidth);
    InfoRE->setFont(QFont("Courier New", 8));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(InfoRE);
}

void TInfoPage::LoadDocument(const QString &fileName)
{
    InfoRE->clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QString("%1: %2").arg(fileName, file.errorString()).toStdString());
    InfoRE->setPlainText(DecodeDocument(file.read(MaxDocumentSize)));
}
