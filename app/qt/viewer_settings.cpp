// SPDX-License-Identifier: MIT
#include "app/qt/viewer_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace veltrisko {

namespace {

QSettings Settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Veltrisko"),
                   QStringLiteral("Veltrisko"));
}

}  // namespace

std::optional<Language> RememberedLanguage() { return KeptLanguage(KeptSessionSettings()); }

KeptSettings KeptSessionSettings() {
  const QSettings settings = Settings();
  KeptSettings kept;
  for (const char* key : kSessionSettingKeys) {
    const QVariant value = settings.value(QString::fromUtf8(key));
    if (value.isValid()) kept[key] = value.toString().toStdString();
  }
  // Earlier versions kept the 2-D display mode as a boolean of their own.
  const QVariant polar = settings.value(QStringLiteral("diagrams/polar"));
  if (polar.isValid() && kept.count(kDiagramStyleSetting) == 0)
    kept.merge(
        DiagramStyleToKeep(polar.toBool() ? DiagramStyle::kPolar : DiagramStyle::kCartesian));
  return kept;
}

void KeepSettings(const KeptSettings& settings) {
  QSettings kept = Settings();
  for (const auto& [key, value] : settings)
    kept.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

void UseToolkitLanguage(Language language) {
  static QTranslator* installed = nullptr;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  if (language != Language::kGerman) return;
  auto* german = new QTranslator;
  if (german->load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(german)) {
    installed = german;
  } else {
    delete german;  // without Qt's translations its dialogs stay English
  }
}

}  // namespace veltrisko
