#pragma once

#include <QString>

namespace zel {

// One key of one settings file with its default and the reader's buffer size.
struct IniKey
{
    QString file;
    QString section;
    QString key;
    QString defaultValue;
    int maxChars = 255;
};

namespace settings {

inline const QString kZelIni = QStringLiteral("ZEL.INI");
inline const QString kFontsIni = QStringLiteral("ZELFONTSINI.600");
inline const QString kOldFontsIni = QStringLiteral("ZELFONTSINI.560");
inline const QString kScreenSizesIni = QStringLiteral("ZELSCRSIZESINI.600");
inline const QString kGridLayoutIni = QStringLiteral("ZELGRIDLAYOUTINI.600");
inline const QString kReportOptionsIni = QStringLiteral("ZELRPTOPTSINI.600");
inline const QString kUtilityOptionsIni = QStringLiteral("ZELUTLOPTSINI.600");
inline const QString kSearchOptionsIni = QStringLiteral("ZELSEARCHOPTSINI.600");
inline const QString kOrderPrintOptionsIni = QStringLiteral("ZELORDERPRINTOPTIONSINI.600");
inline const QString kGridLayoutsFile = QStringLiteral("GridLayouts.grx");
inline const QString kFtpIni = QStringLiteral("ZELFTPINI.600");
inline const QString kFtpUploadIni = QStringLiteral("FTPUpload.INI");

constexpr int kPath = 300;
constexpr int kText = 255;

// ZEL.INI
inline const IniKey LastDBName{kZelIni, "Locations", "LastDBName", "", kPath};
inline IniKey lastUsed(int n) { return {kZelIni, "Locations", "Last" + QString::number(n), "Missing", kPath}; }
inline const IniKey LastStatus{kZelIni, "ProgramStatus", "LastStatus", "", kText};
inline const IniKey LastOpenDatabasePath{kZelIni, "Paths", "LastOpenDatabasePath", "", kPath};
inline const IniKey LastBackupPath{kZelIni, "Paths", "LastBackupPath", "", kPath};
inline const IniKey LastRestoreFromPath{kZelIni, "Paths", "LastRestoreFromPath", "", kPath};
inline const IniKey LastRestoreToPath{kZelIni, "Paths", "LastRestoreToPath", "", kPath};
inline const IniKey LastExportPath{kZelIni, "Paths", "LastExportPath", "", kPath};
inline const IniKey LastProductImportPath{kZelIni, "Paths", "LastProductImportPath", "", kPath};
inline const IniKey ShortCutsEnabled{kZelIni, "ShortCuts", "Enabled", "N", kText};
inline const IniKey ShortCutsSuppressAutoFill{kZelIni, "ShortCuts", "SuppressAutoFill", "N", kText};
inline const IniKey ShortCutsCountry{kZelIni, "ShortCuts", "Country", "None", kText};
inline const IniKey SplashHide{kZelIni, "SplashPage", "HideSS", "0", kText};
inline const IniKey BackupAuto{kZelIni, "ZEL_MAIN", "optBackupAuto", "", kText};
inline const IniKey BackupManual{kZelIni, "ZEL_MAIN", "optBackupManual", "", kText};
inline const IniKey BackupNone{kZelIni, "ZEL_MAIN", "optBackupNone", "", kText};
inline const IniKey Compress{kZelIni, "ZEL_MAIN", "Compress", "", kText};

// ZELFONTSINI.600
inline const IniKey FontsCopied{kFontsIni, "INITIAL", "COPIED", "N", kText};

// ZELSCRSIZESINI.600: one of "-Left", "-Top", "-Width", "-Height" after the form name.
inline IniKey screenSize(const QString &formName, const QString &suffix)
{
    return {kScreenSizesIni, "ScreenSizes", formName + suffix, "-1", kText};
}

// ZELFTPINI.600: "URL", "UID" or "PWD" of section "UploadOptions" or "DownloadOptions".
inline IniKey ftpOption(const QString &section, const QString &key) { return {kFtpIni, section, key, "NONE", kText}; }

// FTPUpload.INI: the names last typed on the upload screen.
inline const IniKey UploadFirstName{kFtpUploadIni, "Settings", "FirstName", "", kText};
inline const IniKey UploadLastName{kFtpUploadIni, "Settings", "LastName", "", kText};

inline const QString kRunning = QStringLiteral("Running");
inline const QString kEndedOk = QStringLiteral("Ended-OK");
inline const QString kMissing = QStringLiteral("Missing");

} // namespace settings
} // namespace zel
