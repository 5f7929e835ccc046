#pragma once

#include "sysinfo.h"
#include "toolkittranslation.h"

#include "i18n/language.h"
#include "model/core.h"

// The program's long-lived objects and their start-up: the radio data (model list, state
// record, channel scratch record, band list), the message texts and the configuration
// file. One instance lives from start to exit.
class TMaindb {
public:
    // Runs the start-up steps in order: "." as decimal separator whatever the regional
    // settings, the model-level start-up, the configuration, the message texts of the
    // configured language. Shows nothing, whatever is missing.
    // `programDir` ends with a separator.
    TMaindb(const QString& programDir, const QString& userConfigDir);

    TCore Core;
    TLanguage Messages;
    TSysInfo SysInfo;

    // Program directory + language name + ".Ini".
    QString LanguageFile() const;
    // Message texts (and the toolkit's texts) for the current language name.
    void LoadMessages();
    // Written once, when the main window closes; a failure goes unreported.
    void SaveConfiguration() { SysInfo.Save(Core.All); }

    // Numbers are formatted and parsed with "." whatever the user's regional settings
    // (a frequency reads 446.00625 everywhere). Dates still use the regional separator,
    // which the status bar takes from the system's own locale.
    static void ForceDecimalPoint();

private:
    TToolkitTranslation toolkit_;
};
