// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ocr/text_file_saver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TextFileSaver", text);
}

QString chooseWithDialog(QWidget *parent, const QString &caption, const QString &suggested)
{
    QFileDialog dialog(parent, caption, suggested, tr("Text files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool askWithMessageBox(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, tr("Save text"), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace

TextFileSaver::TextFileSaver(FileChooser chooser, ReplaceQuestion mayReplace)
    : chooser_(chooser ? std::move(chooser) : FileChooser(chooseWithDialog)),
      mayReplace_(mayReplace ? std::move(mayReplace) : ReplaceQuestion(askWithMessageBox))
{
}

TextFileSaver::Result TextFileSaver::save(QWidget *parent, const QString &text,
                                          const QString &suggested) const
{
    QString path = chooser_(parent, tr("Save the text as"), suggested);
    if (path.isEmpty())
        return Result();
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".txt");
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path)
            && !mayReplace_(parent, tr("%1 already exists. Do you want to replace it?")
                                        .arg(QDir::toNativeSeparators(path))))
            return Result();
    }
    return writeTo(path, text);
}

TextFileSaver::Result TextFileSaver::writeTo(const QString &path, const QString &text)
{
    Result result;
    result.path = path;
    result.status = Result::Failed;
    if (QFileInfo(path).isDir()) {
        result.reason = tr("%1 is a folder.").arg(QDir::toNativeSeparators(path));
        return result;
    }
    QSaveFile file(path);
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.reason = tr("%1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    result.status = Result::Saved;
    return result;
}
