#pragma once

// The texts of "error.log", as code page 932 bytes. Line ends are added by the writer, except
// for the two texts marked as written without one.
namespace report_text {

extern const char kNoEntries[];
extern const char kDone[];

extern const char kRevisionHeader[];

extern const char kLanguageVersionHeader[];
extern const char kLanguageVersionMismatch[];
extern const char kMachineNameEmpty[];
extern const char kMachineNotAModelValue[];
extern const char kLanguageVersionValueEmpty[];

extern const char kDriversHeader[];
extern const char kDriversMismatch[];
extern const char kDriverNameEmpty[];
extern const char kDriverMachineEmpty[];
extern const char kDriverMachineUnknown[];

extern const char kModelsHeader[];
extern const char kModelsMismatch[];
extern const char kModelNameEmpty[];
extern const char kModelMachineUnknown[];

extern const char kModelIdHeader[];
extern const char kModelIdMismatch[];
extern const char kModelIdValueEmpty[];

extern const char kLanguageHeader[];
extern const char kLanguageMismatch[];
extern const char kLanguageIdEmpty[];
extern const char kLanguageNameValueEmpty[];
extern const char kLanguageNameNotInLanguageName[];

extern const char kLanguageNameHeader[];
extern const char kLanguageNameMismatch[];
extern const char kLanguageNameKeyEmpty[];
extern const char kLanguageNameNotInLanguage[];
extern const char kHeaderLanguageNameEmpty[];

extern const char kMachineLanguagesHeader[];
extern const char kMachineNamesHeader[];
extern const char kMachinesMismatch[];
extern const char kMachineLanguageListEmpty[];
extern const char kMachineLanguagesUnknown[];
extern const char kMachineNotADriverValue[];
extern const char kMachineNotAModelsValue[];

extern const char kLocalizeNamesHeader[];
extern const char kLocalizeLanguagesHeader[];
extern const char kLocalizeMismatch[];
extern const char kInvalidApiName[];
extern const char kApiNameEmpty[];
extern const char kApiLanguageListEmpty[];
extern const char kApiLanguagesUnknown[];

extern const char kLinkHeader[];
extern const char kLinkMismatch[];
extern const char kLinkLanguageNotInLanguage[];
extern const char kLinkUrlEmpty[];

extern const char kFaxIncomplete[];  // written without a line end

extern const char kFaxMachineHeader[];
extern const char kFaxMachineMismatch[];
extern const char kFaxModelNameEmpty[];
extern const char kFaxCountryListEmpty[];
extern const char kFaxCountryCodesUnsupported[];  // written without a line end

extern const char kFaxDestinationHeader[];
extern const char kFaxDestinationMismatch[];
extern const char kFaxDestinationModelEmpty[];
extern const char kFaxDestinationValueEmpty[];

extern const char kFaxCountryCodeHeader[];
extern const char kFaxCountryCodeEmpty[];

extern const char kDriverAndModelHeader[];
extern const char kDriverAndModelMismatch[];
extern const char kDriverAndModelDriverEmpty[];
extern const char kDriverAndModelModelEmpty[];

extern const char kDisplayLanguageHeader[];
extern const char kMachinesMissing[];
extern const char kMachinesCountMismatch[];
extern const char kLanguageFilePathFailed[];
extern const char kLanguageVersionMissing[];
extern const char kHeaderVersionMismatch[];
extern const char kLanguageNameMissing[];
extern const char kHeaderLanguageMismatch[];
extern const char kModelIdMissing[];
extern const char kHeaderModelMismatch[];

extern const char kLanguageFileHeaderIncomplete[];
extern const char kLanguageFileWrongId[];
extern const char kLanguageFileBadParameter[];
extern const char kLanguageFileNotFound[];
extern const char kLanguageFileBadPath[];
extern const char kLanguageFileAccessError[];
extern const char kLanguageFileHardwareError[];
extern const char kLanguageFileInvalid[];

}  // namespace report_text
