#include "views/infopage.h"

#include <QTextEdit>

TInfoPage::TInfoPage(QWidget *parent)
    : TTextPage("InfoTS", "InfoRE", QStringLiteral("Информация"), false, true, parent),
      InfoRE(View())
{
}

void TInfoPage::LoadDocument(const QString &fileName)
{
    InfoRE->clear();
    ReadDocument(fileName);
}
