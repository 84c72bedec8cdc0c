// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureexport.h"

#include "palette.h"
#include "savefailure.h"
#include "scaledlayout.h"
#include "settings.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

QImage PictureExport::picture(QWidget &window, ScaledLayout &layout, QSize logicalSize,
                              std::initializer_list<const QWidget *> leftOut)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage image((QSizeF(logicalSize) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(FormDrawing::resolve(palette::grey));
    const ScaledLayout::AtScaleOne unscaled(layout);
    QPainter painter(&image);
    for (QObject *child : window.children()) { // the bottom of the stack first
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && control->isVisible()
            && std::find(leftOut.begin(), leftOut.end(), control) == leftOut.end())
            control->render(&painter, control->pos(), QRegion(), QWidget::DrawChildren);
    }
    return image;
}

bool PictureExport::save(QWidget *parent, const QImage &image, const QString &fileName)
{
    QSaveFile file(fileName);
    QImageWriter writer(&file, "png");
    if (file.open(QIODevice::WriteOnly) && writer.write(image) && file.commit())
        return true;
    const QString why = whyNotSaved(fileName, file, writer.error() == QImageWriter::DeviceError, tr("Obrázky"));
    QMessageBox::warning(parent, tr("Obrázek nebyl uložen"),
                         tr("Obrázek se nepodařilo uložit do souboru „%1“.\n\n%2")
                             .arg(QDir::toNativeSeparators(fileName), why));
    return false;
}

void PictureExport::saveAs(QWidget *parent, const std::function<QImage()> &picture)
{
    QString folder = settings::lastFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QStringLiteral("kestrova-%1.png").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QFileDialog dialog(parent, tr("Uložit obrázek"), QDir(folder).filePath(suggested), tr("Obrázek PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setLabelText(QFileDialog::LookIn, tr("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, tr("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, tr("Typ souboru:"));
    dialog.setLabelText(QFileDialog::Accept, tr("Uložit"));
    dialog.setLabelText(QFileDialog::Reject, tr("Zrušit"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString fileName = dialog.selectedFiles().constFirst();
        if (QFileInfo::exists(fileName)
            && QMessageBox::question(parent, tr("Uložit obrázek"),
                                     tr("Soubor „%1“ už existuje. Nahradit ho?").arg(QDir::toNativeSeparators(fileName)),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            continue;
        if (save(parent, picture(), fileName)) {
            settings::rememberFolderOf(fileName);
            return;
        }
    }
}
