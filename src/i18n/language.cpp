#include "language.h"

const TLanguage::Entry TLanguage::Entries[22] = {
    {"Confirmation", &TLanguage::Confirmation}, {"ExitProgram", &TLanguage::ExitProgram},
    {"SaveProgram", &TLanguage::SaveProgram},   {"Channel", &TLanguage::Channel},
    {"Info", &TLanguage::Info},                 {"OutRange", &TLanguage::OutRange},
    {"Caution", &TLanguage::Caution},           {"FChBigT", &TLanguage::FChBigT},
    {"Close", &TLanguage::Close},               {"Open", &TLanguage::Open},
    {"ComError", &TLanguage::ComError},         {"ModError", &TLanguage::ModError},
    {"PwdError", &TLanguage::PwdError},         {"ClearData", &TLanguage::ClearData},
    {"Modforce", &TLanguage::Modforce},         {"All", &TLanguage::All},
    {"ErrRange", &TLanguage::ErrRange},         {"ModelType", &TLanguage::ModelType},
    {"Frequency", &TLanguage::Frequency},       {"ReadOk", &TLanguage::ReadOk},
    {"WriteOk", &TLanguage::WriteOk},           {"PortError", &TLanguage::PortError},
};
