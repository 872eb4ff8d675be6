#include "app/qtprompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

QStringList QtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << QString("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return filters;
}

namespace {

QComboBox *FilterCombo(const QFileDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
}

std::optional<TPrompt::TFileChoice> RunFileDialog(QFileDialog &dialog, const QString &filter,
                                                  int filterIndex)
{
    SetUpFileDialog(dialog, filter, filterIndex);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    TPrompt::TFileChoice choice;
    choice.FileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
    choice.FilterIndex = ChosenFilterIndex(dialog);
    return choice;
}

QMessageBox::Icon IconOf(TPrompt::TKind kind)
{
    switch (kind) {
    case TPrompt::TKind::Information: return QMessageBox::Information;
    case TPrompt::TKind::Warning: return QMessageBox::Warning;
    case TPrompt::TKind::Error: return QMessageBox::Critical;
    case TPrompt::TKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// Qt's own dialog: the desktop's would show Qt's filter strings, patterns twice.
void SetUpFileDialog(QFileDialog &dialog, const QString &filter, int filterIndex)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    QComboBox *combo = FilterCombo(dialog);
    // The dialog finds a filter by its text as shown, which it has stripped of double blanks.
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(combo ? combo->itemText(filterIndex - 1) : filters[filterIndex - 1]);
    // The program's captions already name their patterns: the list shows them as they are, and
    // the dialog keeps filtering by position.
    if (combo) {
        const QStringList parts = filter.split(u'|');
        for (int i = 0; i < combo->count() && 2 * i < parts.size(); ++i)
            combo->setItemText(i, parts[2 * i]);
    }
}

int ChosenFilterIndex(const QFileDialog &dialog)
{
    const QComboBox *combo = FilterCombo(dialog);
    const int index = combo ? combo->currentIndex()
                            : int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return qMax(index, 0) + 1;
}

std::optional<TPrompt::TFileChoice> TQtPrompt::OpenFile(QWidget *parent, const QString &filter,
                                                        int filterIndex, bool mustExist)
{
    if (fUnattended)
        return std::nullopt;
    QFileDialog dialog(parent, "Открыть");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return RunFileDialog(dialog, filter, filterIndex);
}

void SetUpOpenDialog(QFileDialog &dialog, const TPrompt::TOpenRequest &request)
{
    dialog.setWindowTitle(request.Title.isEmpty() ? QStringLiteral("Открыть") : request.Title);
    // Only a save dialog asks before an existing file is chosen; it keeps the open button's text.
    const bool confirm = request.ConfirmOverwrite && !request.MultiSelect;
    dialog.setAcceptMode(confirm ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirm);
    if (confirm)
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Открыть"));
    dialog.setFileMode(request.MultiSelect  ? QFileDialog::ExistingFiles
                       : request.MustExist ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
    SetUpFileDialog(dialog, request.Filter, request.FilterIndex);
    if (!request.InitialFolder.isEmpty())
        dialog.setDirectory(request.InitialFolder);
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
}

std::optional<QStringList> TQtPrompt::OpenFiles(QWidget *parent, const TOpenRequest &request)
{
    if (fUnattended)
        return std::nullopt;
    QFileDialog dialog(parent);
    SetUpOpenDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QStringList files;
    for (const QString &file : dialog.selectedFiles())
        files << QDir::toNativeSeparators(file);
    return files;
}

std::optional<TPrompt::TFileChoice> TQtPrompt::SaveFile(QWidget *parent, const QString &filter,
                                                        int filterIndex, bool confirmOverwrite)
{
    if (fUnattended)
        return std::nullopt;
    QFileDialog dialog(parent, "Сохранить как");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    return RunFileDialog(dialog, filter, filterIndex);
}

TPrompt::TAnswer TQtPrompt::Message(QWidget *parent, TKind kind, const QString &text,
                                    TButtons buttons)
{
    if (fUnattended) {
        std::fprintf(stderr, "lorvanta: %s\n", text.toUtf8().constData());
        return buttons == TButtons::Ok ? TAnswer::Ok
                                       : (buttons == TButtons::YesNo ? TAnswer::No : TAnswer::Cancel);
    }
    QMessageBox box(IconOf(kind), QApplication::applicationName(), text, QMessageBox::NoButton,
                    parent);
    QPushButton *ok = nullptr, *yes = nullptr, *no = nullptr, *cancel = nullptr;
    if (buttons == TButtons::Ok) {
        ok = box.addButton("OK", QMessageBox::AcceptRole);
    } else {
        yes = box.addButton("Да", QMessageBox::YesRole);
        no = box.addButton("Нет", QMessageBox::NoRole);
        if (buttons == TButtons::YesNoCancel)
            cancel = box.addButton("Отмена", QMessageBox::RejectRole);
    }
    box.setEscapeButton(cancel ? cancel : (no ? no : ok));
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked == yes && yes)
        return TAnswer::Yes;
    if (clicked == no && no)
        return TAnswer::No;
    if (ok)
        return TAnswer::Ok;
    return cancel ? TAnswer::Cancel : TAnswer::No;
}

std::optional<QString> TQtPrompt::Input(QWidget *parent, const QString &caption,
                                        const QString &label, const QString &value)
{
    if (fUnattended)
        return std::nullopt;
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(value);
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Отмена");
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> TQtPrompt::ChooseFolder(QWidget *parent, const QString &caption,
                                               const QString &startFolder)
{
    if (fUnattended)
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

int TQtPrompt::ShowModal(QWidget *dialog)
{
    if (fUnattended)
        return 0;
    if (auto *modal = qobject_cast<QDialog *>(dialog))
        return modal->exec();
    return 0;
}
