// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/my_pdf_bar.h"

#include "ui_my_pdf_bar.h"

#include "core/main_window/message_box_presenter.h"
#include "core/startup/app_settings.h"
#include "tools/ocr/ocr_language_choice.h"
#include "tools/pdf/pdf_start_folder.h"
#include "tools/pdf/picture_thumbnail.h"
#include "tools/pdf/searchable_pdf_session.h"
#include "tools/pdf/text_layer_font.h"

#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

const QSize kThumbnailSize(100, 100);
const QString kSearchableSetting = QStringLiteral("pdf/searchable");

MyPDFBarSeams &defaultSeams()
{
    static MyPDFBarSeams seams;
    return seams;
}

QStringList choosePicturesWithDialog(QWidget *parent, const QString &caption,
                                     const QString &startFolder, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, startFolder, filter);
}

QString chooseOutputWithDialog(QWidget *parent, const QString &caption,
                               const QString &startFolder, const QString &filter)
{
    // Not the static getSaveFileName: only a dialog object takes a default
    // suffix, and it adds it before it asks about replacing a file.
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool askWithMessageBox(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QStringLiteral("PDF"), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

MyPDFBarSeams completed(MyPDFBarSeams seams)
{
    if (!seams.choosePictures)
        seams.choosePictures = choosePicturesWithDialog;
    if (!seams.chooseOutput)
        seams.chooseOutput = chooseOutputWithDialog;
    if (!seams.mayReplace)
        seams.mayReplace = askWithMessageBox;
    return seams;
}

QString nativeList(const QStringList &paths)
{
    QStringList lines;
    for (const QString &path : paths)
        lines << QDir::toNativeSeparators(path);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

MyPDFBar::MyPDFBar(QWidget *parent) : MyPDFBar(defaultSeams(), parent) {}

MyPDFBar::MyPDFBar(const MyPDFBarSeams &seams, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MyPDFBarClass>()), seams_(completed(seams))
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("PDF"));
    ui_->widget_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Return in the list must not press a button.
    ui_->btn_add->setAutoDefault(false);
    ui_->btn_compose_pdf->setAutoDefault(false);
    connect(ui_->btn_add, SIGNAL(clicked()), this, SLOT(slots_addImage()));
    connect(ui_->btn_compose_pdf, SIGNAL(clicked()), this, SLOT(slots_composePDF()));

    ui_->check_searchable->setToolTip(
        tr("Reads the text of every picture and adds it invisibly, so the PDF can be searched "
           "and its text copied."));
    ui_->check_searchable->setChecked(readSetting(kSearchableSetting) == QLatin1String("1"));
    fillLanguages();
    ui_->combo_language->setEnabled(ui_->check_searchable->isChecked()
                                    && ui_->combo_language->count() > 1);
    connect(ui_->check_searchable, &QCheckBox::toggled, this, [this](bool on) {
        writeSetting(kSearchableSetting, on ? QStringLiteral("1") : QStringLiteral("0"));
        ui_->combo_language->setEnabled(on && ui_->combo_language->count() > 1);
    });
    connect(ui_->combo_language, QOverload<int>::of(&QComboBox::activated), this,
            [this] { ocrchoice::rememberLanguage(ui_->combo_language->currentData().toString()); });
}

void MyPDFBar::fillLanguages()
{
    const QString chosen = ocrchoice::chosenLanguage();
    for (const QString &code : ocrchoice::installedLanguages()) {
        ui_->combo_language->addItem(ocrchoice::displayName(code), code);
        if (code == chosen)
            ui_->combo_language->setCurrentIndex(ui_->combo_language->count() - 1);
    }
    // The names are longer than the box; the list shows them whole.
    ui_->combo_language->view()->setMinimumWidth(
        ui_->combo_language->view()->sizeHintForColumn(0) + 24);
    // Without trained data there is nothing to read the pictures with.
    if (ui_->combo_language->count() == 0) {
        ui_->check_searchable->setChecked(false);
        ui_->check_searchable->setEnabled(false);
    }
}

QCheckBox *MyPDFBar::searchableBox() const
{
    return ui_->check_searchable;
}

QComboBox *MyPDFBar::languageList() const
{
    return ui_->combo_language;
}

MyPDFBar::~MyPDFBar()
{
    // The session's destructor stops and joins its thread; it is a child
    // and would go later, after the form it reports to.
    delete session_;
}

void MyPDFBar::setDefaultSeamsForTests(const MyPDFBarSeams &seams)
{
    defaultSeams() = seams;
}

void MyPDFBar::slots_addImage()
{
    const QStringList chosen =
        seams_.choosePictures(this, tr("qing xuanze tupian"), pdfStartFolder(),
                              QStringLiteral("Images (*.jpg *.jpeg)"));
    for (const QString &path : chosen)
        addPicture(path);
}

void MyPDFBar::addPictures(const QStringList &paths)
{
    for (const QString &path : paths)
        addPicture(path);
}

void MyPDFBar::addPicture(const QString &path)
{
    auto *item = new QListWidgetItem(pictureThumbnail(path, kThumbnailSize), QString());
    item->setSizeHint(kThumbnailSize);
    item->setToolTip(QDir::toNativeSeparators(path));
    ui_->widget_list->addItem(item);
    imagePaths_.append(path);
}

void MyPDFBar::removeSelectedPictures()
{
    // From the end, so the rows still to remove keep their numbers.
    for (int row = ui_->widget_list->count() - 1; row >= 0; --row) {
        if (ui_->widget_list->item(row)->isSelected()) {
            delete ui_->widget_list->takeItem(row);
            imagePaths_.removeAt(row);
        }
    }
}

void MyPDFBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        removeSelectedPictures();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString MyPDFBar::chooseOutputFile()
{
    QString fileName = seams_.chooseOutput(this, tr("qing xuanze wenjian baocun weizhi"),
                                           pdfStartFolder(),
                                           QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    fileName += QStringLiteral(".pdf");
    // The chooser asked about the name as typed, not about this one.
    if (QFileInfo::exists(fileName)
        && !seams_.mayReplace(this, tr("%1 already exists. Do you want to replace it?")
                                        .arg(QDir::toNativeSeparators(fileName))))
        return QString();
    return fileName;
}

void MyPDFBar::slots_composePDF()
{
    if (imagePaths_.isEmpty()) {
        MessageBoxPresenter::information(this, windowTitle(),
                                         tr("Add pictures first, then compose the PDF."));
        return;
    }
    if (session_ && session_->busy())
        return;
    const QString fileName = chooseOutputFile();
    if (fileName.isEmpty())
        return;
    if (ui_->check_searchable->isChecked() && ui_->check_searchable->isEnabled()) {
        composeSearchable(fileName);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const JpegPdfWriter::Outcome outcome = JpegPdfWriter().write(imagePaths_, fileName);
    QApplication::restoreOverrideCursor();
    report(outcome, fileName);
    if (outcome.written())
        emit pdf_signals_openfile(fileName);
}

void MyPDFBar::composeSearchable(const QString &fileName)
{
    if (!session_) {
        session_ = new SearchablePdfSession(this);
        connect(session_, &SearchablePdfSession::progress, this, [this](int done, int total) {
            if (!progress_)
                return;
            progress_->setMaximum(total);
            progress_->setValue(done);
            progress_->setLabelText(done < total
                                        ? tr("Reading the text of picture %1 of %2…")
                                              .arg(done + 1)
                                              .arg(total)
                                        : tr("Writing the PDF…"));
        });
    }
    disconnect(session_, &SearchablePdfSession::finished, this, nullptr);
    connect(session_, &SearchablePdfSession::finished, this,
            [this, fileName](const SearchablePdfResult &result) { finishSearchable(result, fileName); });

    progress_ = new QProgressDialog(tr("Reading the text of the pictures…"), tr("Stop"), 0,
                                    int(imagePaths_.size()), this);
    progress_->setWindowTitle(windowTitle());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_, &QProgressDialog::canceled, session_, &SearchablePdfSession::cancel);
    setComposing(true);
    session_->start(imagePaths_, fileName, ui_->combo_language->currentData().toString(),
                    textLayerFontFile());
    progress_->show();
}

void MyPDFBar::finishSearchable(const SearchablePdfResult &result, const QString &fileName)
{
    setComposing(false);
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (result.cancelled)
        return;
    report(result.outcome, fileName);
    if (!result.outcome.written())
        return;
    if (result.outcome.textFontMissing)
        MessageBoxPresenter::warning(this, windowTitle(),
                                     tr("The text could not be added (its font could not be "
                                        "loaded); the PDF holds the pictures only."));
    else if (!result.withoutText.isEmpty())
        MessageBoxPresenter::information(
            this, windowTitle(),
            tr("No text was found on these pictures; their pages cannot be searched:")
                + QLatin1Char('\n') + nativeList(result.withoutText));
    emit pdf_signals_openfile(fileName);
}

void MyPDFBar::setComposing(bool composing)
{
    ui_->btn_add->setEnabled(!composing);
    ui_->btn_compose_pdf->setEnabled(!composing);
    ui_->check_searchable->setEnabled(!composing && ui_->combo_language->count() > 0);
    ui_->combo_language->setEnabled(!composing && ui_->check_searchable->isChecked()
                                    && ui_->combo_language->count() > 1);
}

void MyPDFBar::report(const JpegPdfWriter::Outcome &outcome, const QString &fileName)
{
    const QString shownName = QDir::toNativeSeparators(fileName);
    QString problem;
    switch (outcome.failure) {
    case JpegPdfWriter::Failure::None:
        break;
    case JpegPdfWriter::Failure::NoPictures:
        problem = tr("Add pictures first, then compose the PDF.");
        break;
    case JpegPdfWriter::Failure::NoPictureLoaded:
        problem = tr("None of the pictures could be read as a JPEG picture. No PDF was written.");
        break;
    case JpegPdfWriter::Failure::LibraryFailure:
        problem = tr("The PDF could not be made (not enough memory?). No PDF was written.");
        break;
    case JpegPdfWriter::Failure::CannotCreateFile:
        problem = tr("The PDF could not be written to %1: the folder does not exist or cannot be "
                     "written.").arg(shownName);
        break;
    case JpegPdfWriter::Failure::CannotWriteFile:
        problem = tr("The PDF could not be written to %1: writing failed (is the disk full?).")
                      .arg(shownName);
        break;
    case JpegPdfWriter::Failure::CannotReplaceFile:
        problem = tr("The PDF could not be saved as %1: that name cannot be replaced.")
                      .arg(shownName);
        break;
    }

    QStringList skipped;
    for (const JpegPdfWriter::SkippedPicture &picture : outcome.skipped)
        skipped << (picture.problem == JpegPdfWriter::PictureProblem::Unreadable
                        ? tr("%1 (cannot be read)")
                        : tr("%1 (not a JPEG picture)"))
                       .arg(QDir::toNativeSeparators(picture.path));
    QStringList parts;
    if (!problem.isEmpty())
        parts << problem;
    if (!skipped.isEmpty())
        parts << tr("These pictures were left out:") + QLatin1Char('\n') + skipped.join('\n');
    if (!outcome.scaledToFit.isEmpty())
        parts << tr("These pictures are larger than a PDF page and were scaled down to fit:")
                     + QLatin1Char('\n') + nativeList(outcome.scaledToFit);
    if (parts.isEmpty())
        return;
    const QString text = parts.join(QStringLiteral("\n\n"));
    if (problem.isEmpty() && skipped.isEmpty())
        MessageBoxPresenter::information(this, windowTitle(), text);
    else
        MessageBoxPresenter::warning(this, windowTitle(), text);
}

void MyPDFBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        setWindowTitle(QStringLiteral("PDF"));
    }
    QDialog::changeEvent(event);
}
