// Compiled with a code page 932 execution character set: every literal here is stored as the
// bytes that "error.log" must hold.
#include "ReportTexts.h"

namespace report_text {

const char kNoEntries[] = "項目がありません。";
const char kDone[] = "done.";

const char kRevisionHeader[] = "[Revision] セクション チェック";

const char kLanguageVersionHeader[] = "[LanguageVersion] セクション チェック";
const char kLanguageVersionMismatch[] = "項目数が一致しません。machine : %d / langVer : %d";
const char kMachineNameEmpty[] = "%d 個目の 機種名 が空です。";
const char kMachineNotAModelValue[] = "%s 機種名は[Models]セクションに存在しません。";
const char kLanguageVersionValueEmpty[] =
    "%d 個目の %s 機種名に対応する 言語ファイルヘッダ用言語ファイル版数 がありません。";

const char kDriversHeader[] = "[Drivers] セクション チェック";
const char kDriversMismatch[] = "項目数が一致しません。drivers : %d / machines : %d";
const char kDriverNameEmpty[] = "%d 個目の ドライバ名 が空です。";
const char kDriverMachineEmpty[] = "%d 個目の %s ドライバに対応する 機種名 がありません。";
const char kDriverMachineUnknown[] =
    "%s ドライバに対応する機種名 %s は、[Machines]セクションに存在しません。";

const char kModelsHeader[] = "[Models] セクション チェック";
const char kModelsMismatch[] = "項目数が一致しません。models : %d / machines : %d";
const char kModelNameEmpty[] = "%d 個目の モデル名 が空です。";
const char kModelMachineUnknown[] =
    "%s モデルに対応する機種名 %s は、[Machines]セクションに存在しません。";

const char kModelIdHeader[] = "[ModelID] セクション チェック";
const char kModelIdMismatch[] = "項目数が一致しません。machine : %d / modelID : %d";
const char kModelIdValueEmpty[] =
    "%d 個目の %s 機種名に対応する 言語ファイルヘッダ用機種ID がありません。";

const char kLanguageHeader[] = "[Language] セクション";
const char kLanguageMismatch[] = "項目数が一致しません。langID : %d / language : %d";
const char kLanguageIdEmpty[] = "%d 個目の 言語識別子 が空です。";
const char kLanguageNameValueEmpty[] = "%d 個目の %s 言語識別子に対応する 言語名 がありません。";
const char kLanguageNameNotInLanguageName[] = "%s 言語名は[LanguageName]セクションに存在しません。";

const char kLanguageNameHeader[] = "[LanguageName] セクション チェック";
const char kLanguageNameMismatch[] = "項目数が一致しません。langFile : %d / langName : %d";
const char kLanguageNameKeyEmpty[] = "%d 個目の 言語名 が空です。";
const char kLanguageNameNotInLanguage[] = "%s 言語名は[Language]セクションに存在しません。";
const char kHeaderLanguageNameEmpty[] =
    "%d 個目の %s 言語名に対応する 言語ファイルヘッダ用言語名 がありません。";

const char kMachineLanguagesHeader[] = "[Machines] セクション 言語識別子チェック";
const char kMachineNamesHeader[] = "[Machines] セクション 機種名チェック";
const char kMachinesMismatch[] = "項目数が一致しません。machines : %d / lanID list : %d";
const char kMachineLanguageListEmpty[] = "%d 個目の %s 機種に対応する 言語識別子のリスト がありません。";
const char kMachineLanguagesUnknown[] =
    "%s 機種に対応する言語 %s は、[Language]セクションに存在しません。";
const char kMachineNotADriverValue[] = "%s 機種は、[Drivers]セクションに存在しません。";
const char kMachineNotAModelsValue[] = "%s 機種は、[Models]セクションに存在しません。";

const char kLocalizeNamesHeader[] = "[Localize] セクション API名チェック";
const char kLocalizeLanguagesHeader[] = "[Localize] セクション 言語識別子チェック";
const char kLocalizeMismatch[] = "項目数が一致しません。API : %d / lanID list : %d";
const char kInvalidApiName[] = "%s は、無効なAPI名です。";
const char kApiNameEmpty[] = "%d 個目の API名 が空です。";
const char kApiLanguageListEmpty[] = "%d 個目の %s APIに対応する 言語識別子のリスト がありません。";
const char kApiLanguagesUnknown[] = "%s APIに対応する言語 %s は、[Language]セクションに存在しません。";

const char kLinkHeader[] = "[Link] セクション チェック";
const char kLinkMismatch[] = "項目数が一致しません。langFile : %d / langName : %d";
const char kLinkLanguageNotInLanguage[] = "%s 言語識別子は[Language]セクションに存在しません。";
const char kLinkUrlEmpty[] = "%d 個目の %s 言語識別子に対応する URL がありません。";

const char kFaxIncomplete[] = "Faxのinfoは不足です";

const char kFaxMachineHeader[] = "[Fax Machine] セクション チェック";
const char kFaxMachineMismatch[] = "項目数が一致しません。ModelName : %d / Country Code : %d";
const char kFaxModelNameEmpty[] = "%d 個目の MODELNAME が空です。";
const char kFaxCountryListEmpty[] = "%d 個目の %s Modelに対応するCountry Code　List がありません。";
const char kFaxCountryCodesUnsupported[] = "%s　Country　Codeはsupportしない";

const char kFaxDestinationHeader[] = "[Fax Destination] セクション チェック";
const char kFaxDestinationMismatch[] = "項目数が一致しません。Model: %d / Destination: %d";
const char kFaxDestinationModelEmpty[] = "%d 個目のModelが空です。";
const char kFaxDestinationValueEmpty[] = "%d 個目の %s Modelに対応するDestinationがありません。";

const char kFaxCountryCodeHeader[] = "[Fax Country Code] セクション チェック";
const char kFaxCountryCodeEmpty[] = "%d 個目のCountry Codeが空です。";

const char kDriverAndModelHeader[] = "[Driver And Model] セクション チェック";
const char kDriverAndModelMismatch[] = "項目数が一致しません。Driver: %d / Model: %d";
const char kDriverAndModelDriverEmpty[] = "%d 個目のDriverが空です。";
const char kDriverAndModelModelEmpty[] = "%d 個目の %s Driverに対応するModelがありません。";

const char kDisplayLanguageHeader[] = "表示言語 チェック";
const char kMachinesMissing[] = "[Machines]セクションに必要な値がありません。";
const char kMachinesCountMismatch[] =
    "[Machines]セクションの項目数が一致しません。machines : %d / lanID list : %d";
const char kLanguageFilePathFailed[] = "言語ファイルのパスを取得できません。";
const char kLanguageVersionMissing[] = "[LanguageVersion]セクションに必要な値がありません。";
const char kHeaderVersionMismatch[] =
    "%s 言語ファイルのヘッダの版数 %s が、[LanguageVersion]セクションの版数 %s と一致しません。";
const char kLanguageNameMissing[] = "[LanguageName]セクションに %s 言語はありません。";
const char kHeaderLanguageMismatch[] =
    "%s 言語ファイルのヘッダの言語名 %s が、パスから判断される言語名 %s と一致しません。";
const char kModelIdMissing[] = "[ModelID]セクションに必要な値がありません。";
const char kHeaderModelMismatch[] =
    "%s 言語ファイルのヘッダの機種名 %s が、パスから判断される機種名 %s と一致しません。";

const char kLanguageFileHeaderIncomplete[] = "%s 言語ファイルのヘッダ情報が不足しています。";
const char kLanguageFileWrongId[] = "%s ファイルの ID は言語ファイルのものではありません。";
const char kLanguageFileBadParameter[] = "%s 言語ファイルのパラメータが不正です。";
const char kLanguageFileNotFound[] = "%s 言語ファイルがありません。";
const char kLanguageFileBadPath[] = "%s 言語ファイルのパス、ドライブが存在しません。";
const char kLanguageFileAccessError[] = "%s 言語ファイルへのアクセスエラーが発生しました。";
const char kLanguageFileHardwareError[] =
    "%s 言語ファイルへのアクセスエラーが発生しました（ハードウェア要因のエラーなど）。";
const char kLanguageFileInvalid[] = "%s 言語ファイルは不正です。";

}  // namespace report_text
