// The files the program keeps in its folder, taken together: their names, the clean-up after
// an interrupted save and the report of saves that failed.
#pragma once

#include "core/text_file.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace typecask {

inline const QString SettingsFileName = u"Typecask.ini"_qs;
inline const QString FavoritesFileName = u"TypecaskBK.lst"_qs;
inline const QString PaletteFileName = u"Color.dat"_qs;

// Removes what a save killed before its rename leaves beside a stored file: "<name>.XXXXXX"
// with a suffix isSaveFileSuffix() accepts (so "Typecask.ini.backup" stays), a regular file of
// this user, untouched for a minute (so a save still running elsewhere keeps its file). Returns
// the paths removed.
QStringList removeStaleSaveFiles(const QString& folder);

// The one message shown when stored files could not be saved: a first line, then one line per
// failed file with its reason. Empty when every save succeeded.
QString failedSavesMessage(const QList<SaveResult>& saves);

} // namespace typecask
