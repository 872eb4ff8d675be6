#include "views/infopage.h"

#include "platform/codepage.h"

#include <QFile>
#include <QFont>
#include <QTextEdit>
#include <QVBoxLayout>
#include <stdexcept>

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
            QString("Не удается открыть файл %1: %2").arg(fileName, file.errorString()).toStdString());
    InfoRE->setPlainText(DecodeListText(file.read(MaxDocumentSize)));
}
