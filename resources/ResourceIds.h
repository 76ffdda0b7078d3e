#pragma once
// Numeric identifiers of the texts and images in the resource-only libraries:
//   Resource\Nivad<code>.dll   texts of the message download (and of its launcher messages)
//   Resource\Pluvet<code>.dll  texts of the fax setup and of the function selection
//   Resource\Sorbelt.dll       images shared by every wizard
// The numbers are fixed: programs built against earlier libraries load them by number.
// Plain #defines only, so that windres can read this header as well as the compiler.

// ---- Texts in both text libraries ------------------------------------------------------

#define IDS_SHEET_TITLE_FORMAT       101  // wizard title, one %s: the product version
#define IDS_MESSAGE_CAPTION_FORMAT   102  // caption of message boxes, one %s: the product version
#define IDS_FINISH_BUTTON            104  // Next/Finish caption when the page offers Finish
#define IDS_NEXT_BUTTON              105  // Next/Finish caption otherwise
#define IDS_BACK_BUTTON              106
#define IDS_CANCEL_BUTTON            107
#define IDS_PRINTER_NAME_COLUMN      211  // printer list headings
#define IDS_PRINTER_PORT_COLUMN      212
#define IDS_PRINTER_COMMENT_COLUMN   213
#define IDS_PRINTER_LOCATION_COLUMN  214
#define IDS_NO_PRINTER_INSTALLED     801  // no printer can be listed at all
#define IDS_ASK_NO_SUPPORTED_PRINTER 804  // yes/no: no installed printer is supported, go on?
#define IDS_MODEL_COLUMN             911  // heading of the model list

// ---- Message-download texts (Nivad) ----------------------------------------------------

#define IDS_DOWNLOAD_BUTTON          103  // caption of Next on the page whose Next downloads
#define IDS_MESSAGE_LANGUAGE_COLUMN  321  // heading of the panel-language list
#define IDS_MENU_PRINT_DOCUMENT      412  // spooler document name of the menu-print job
#define IDS_VERSION_RANGE_FORMAT     511  // %1$s lowest, %2$s highest message version
#define IDS_VERSION_SINGLE_FORMAT    512  // %1$s the one message version
#define IDS_DOWNLOAD_DOCUMENT        603  // spooler document name of the download job
#define IDS_PRINTER_ON_PORT_FORMAT   612  // %1$s printer name, %2$s port name
#define IDS_CONFIRM_JAPANESE_PANEL   912  // yes/no before sending Japanese panel messages
#define IDS_CONFIRM_OTHER_PANEL      913  // yes/no before sending another restricted language

// Panel languages come in pairs: the configuration key ("enu") at
// IDS_MESSAGE_LANGUAGE_KEY_FIRST + k and its display name at IDS_MESSAGE_LANGUAGE_NAME_FIRST + k.
// The first empty key ends the table.
#define IDS_MESSAGE_LANGUAGE_KEY_FIRST  20000
#define IDS_MESSAGE_LANGUAGE_NAME_FIRST 20500

// ---- Fax-setup and function-selection texts (Pluvet) -----------------------------------

#define IDS_SEND_BUTTON              103  // caption of Next on the page whose Next sends the settings
#define IDS_INTRO_COUNTRY_SKIPPED    108  // introduction note: only the time will be set
#define IDS_INTRO_TIME_SKIPPED       109  // introduction note: only the country code will be set
#define IDS_INTRO_BOTH_SKIPPED       110  // introduction note: neither will be set
#define IDS_SELECTED_PRINTER_PREFIX  111  // followed directly by the printer name
#define IDS_SELECTED_MODEL_PREFIX    112  // followed directly by the model name
#define IDS_SELECTED_COUNTRY_PREFIX  113  // followed directly by the country name
#define IDS_NO_PRINTER_SELECTED      114
#define IDS_NO_MODEL_SELECTED        115
#define IDS_NO_COUNTRY_SELECTED      116
#define IDS_FAX_COUNTRY_COLUMN       321  // heading of the country list
#define IDS_FAX_SETTINGS_DOCUMENT    603  // spooler document name of every fax settings job
#define IDS_PRINTER_PAUSED           805
#define IDS_PRINTER_OFFLINE          806
#define IDS_PRINTER_HAS_JOBS         807
#define IDS_TCPIP_ADDRESS_MISSING    808  // no address in the standard TCP/IP port's settings
#define IDS_LPR_ADDRESS_MISSING      810  // no address in the LPR utility's settings
#define IDS_PRINTER_NOT_ANSWERING    814  // the network check failed

// The function chooser's page (in the Pluvet libraries) and its check boxes.
#define IDD_SELECT_FUNCTION_PAGE     105
#define IDC_COUNTRY_CODE_BOX         1005  // set the fax country code
#define IDC_TIME_BOX                 1006  // set the printer's date and time
#define IDC_DOWNLOAD_BOX             1007  // download panel messages

// Fax countries come in pairs: the display name at IDS_FAX_COUNTRY_NAME_FIRST + k and the
// country code the printer knows ("81") at IDS_FAX_COUNTRY_CODE_FIRST + k.
// The first empty code ends the table.
#define IDS_FAX_COUNTRY_NAME_FIRST   21000
#define IDS_FAX_COUNTRY_CODE_FIRST   21500

// Distance between the two halves of a pair table.
#define RESOURCE_PAIR_DISTANCE       500

// ---- Controls every wizard page has ----------------------------------------------------

#define IDC_SIDE_PICTURE             11021  // the picture on the left; bitmap IDB_WIZARD_SIDE_PICTURE

// ---- Pages in both text libraries --------------------------------------------------------

#define IDD_SELECT_PRINTER_PAGE      5000
#define IDC_PRINTER_LIST             208    // report view: name, port, comment, location
#define IDC_SHOW_ALL_PRINTERS        18003  // check box: list printers the configuration lacks too

// ---- Message-download pages (Nivad) ------------------------------------------------------

#define IDD_SELECT_LANGUAGE_PAGE     5001
#define IDC_LANGUAGE_LIST            11050  // report view: panel languages
#define IDD_DOWNLOAD_MESSAGE_PAGE    5002
#define IDC_SUMMARY_LANGUAGE         11058  // display name of the chosen panel language
#define IDC_SUMMARY_PRINTER          1051   // printer (and port) text
#define IDC_SUMMARY_MODEL_LABEL      1052   // label of the model line, shown for a model-based download
#define IDC_SUMMARY_MODEL            1053
#define IDC_SUMMARY_VERSION          11059  // highest message version of the language file
#define IDD_MENU_PRINT_PAGE          5003
#define IDC_PRINT_MENU_BUTTON        1000
#define IDD_DOWNLOAD_INTRODUCTION_PAGE 5004
#define IDD_DOWNLOAD_CONCLUSION_PAGE 5005
#define IDD_MESSAGE_VERSION_PAGE     5006
#define IDC_VERSION_TEXT             11055
#define IDC_VERSION_IMAGE            1000   // the language file's picture, centred where the control is
#define IDC_LINK_TEXT                11061  // shown only when the language has a link
#define IDC_LINK_BUTTON              11064
#define IDD_SELECT_MODEL_PAGE        5007
#define IDC_MODEL_LIST               18004  // report view: printer models

// ---- Fax-setup pages (Pluvet) -----------------------------------------------------------
// The printer page (5000, IDC_PRINTER_LIST, IDC_SHOW_ALL_PRINTERS) and the model page (5007,
// IDC_MODEL_LIST) keep the numbers of their message-download twins.

#define IDD_FAX_INTRODUCTION_PAGE    108
#define IDC_INTRO_SKIPPED_NOTE       11026  // which steps the run leaves out (IDS_INTRO_*_SKIPPED)
#define IDC_SELECTED_PRINTER_NOTE    11033  // IDS_SELECTED_PRINTER_PREFIX + name, or IDS_NO_PRINTER_SELECTED
#define IDC_SELECTED_MODEL_NOTE      18005  // IDS_SELECTED_MODEL_PREFIX + model, or IDS_NO_MODEL_SELECTED
#define IDD_FAX_COUNTRY_CODE_PAGE    5001
#define IDC_COUNTRY_LIST             11050  // report view: countries of the fax model
#define IDC_SELECTED_COUNTRY_NOTE    11049  // country page: the choice; confirmation page: the country
#define IDD_FAX_SET_TIME_PAGE        5008
#define IDC_TIME_SEPARATOR           1000   // a line above the time field
#define IDC_FAX_TIME                 1001   // time of day (time page and confirmation page)
#define IDC_FAX_DATE                 1002   // confirmation page: the printer's future date
#define IDC_FAX_CALENDAR             1004
#define IDC_FAX_DATE_LABEL           1010   // time page: the labels of the calendar and the time field,
#define IDC_FAX_TIME_LABEL           1011   // placed beside them
#define IDC_DAYLIGHT_SAVING_BOX      1008
#define IDD_FAX_CONFIRM_PAGE         5005
#define IDC_CONFIRM_COUNTRY_PART     11046  // hidden when the run leaves the country code alone
#define IDC_CONFIRM_TIME_LABEL       11047  // these two are hidden, with the date, time and box,
#define IDC_CONFIRM_TIME_NOTE        11048  // when the run leaves the clock alone
#define IDD_FAX_COMPLETE_PAGE        5009

// ---- Images (Sorbelt) ------------------------------------------------------------------

#define IDB_DEFAULT_VERSION_IMAGE    101   // message version page, when the language file has none
#define IDB_SORT_DESCENDING_ARROW    103   // list header of a column sorted descending
#define IDB_WIZARD_SIDE_PICTURE      2008  // left side of every wizard page
#define IDB_SORT_ASCENDING_ARROW     2009  // list header of a column sorted ascending
