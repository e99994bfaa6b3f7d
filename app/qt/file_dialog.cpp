// SPDX-License-Identifier: MIT
#include "app/qt/file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

#include "app/logic/pattern_file_texts.h"

namespace veltrisko {

namespace {

// The file list's sizes and dates in the dialog's locale: the file system
// model writes them in the process's.
class FileListInLocale final : public QIdentityProxyModel {
 public:
  FileListInLocale(const QLocale& locale, QObject* parent)
      : QIdentityProxyModel(parent), locale_(locale) {}

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    if (index.column() == kSizeColumn && !files->isDir(file))
      return locale_.formattedDataSize(files->size(file));
    if (index.column() == kDateColumn)
      return locale_.toString(files->lastModified(file), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }

 private:
  static constexpr int kSizeColumn = 1;
  static constexpr int kDateColumn = 3;
  QLocale locale_;
};

QString Ask(QFileDialog& dialog, Language language, QString* selectedFilter) {
  // Only this dialog's: the C library keeps printing numbers with a point.
  const std::string_view code = CodeOf(language);
  const QLocale locale(QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
  dialog.setLocale(locale);
  dialog.setProxyModel(new FileListInLocale(locale, &dialog));
  if (selectedFilter != nullptr && !selectedFilter->isEmpty())
    dialog.selectNameFilter(*selectedFilter);
  if (dialog.exec() != QDialog::Accepted) return {};
  if (selectedFilter != nullptr) *selectedFilter = dialog.selectedNameFilter();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString AskOpenFileName(QWidget* parent, Language language, const QString& title,
                        const QString& filters) {
  QFileDialog dialog(parent, title, QString(), filters);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Ask(dialog, language, nullptr);
}

QString AskSaveFileName(QWidget* parent, Language language, const QString& title,
                        const QString& name, const QString& filters, QString* selectedFilter) {
  QFileDialog dialog(parent, title, name, filters);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  return Ask(dialog, language, selectedFilter);
}

void ShowFileProblem(QWidget* parent, QPointer<QMessageBox>& shown, const QString& text) {
  if (shown) shown->close();
  shown = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kPatternMessageTitle), text,
                          QMessageBox::Ok, parent);
  shown->setAttribute(Qt::WA_DeleteOnClose);
  shown->open();
}

}  // namespace veltrisko
