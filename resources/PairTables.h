#pragma once
// Positions in the two pair tables of ResourceIds.h. A key and its display name share one
// position; the shared key lists and every language's name lists are written against these
// names so that the halves cannot drift apart. Positions run from 0 without gaps.

// Panel languages (IDS_MESSAGE_LANGUAGE_KEY_FIRST / IDS_MESSAGE_LANGUAGE_NAME_FIRST).
#define LANGUAGE_ENU  0   // English (United States)
#define LANGUAGE_ENG  1   // English (United Kingdom)
#define LANGUAGE_JPN  2
#define LANGUAGE_DEU  3
#define LANGUAGE_FRA  4
#define LANGUAGE_ITA  5
#define LANGUAGE_ESP  6
#define LANGUAGE_NLD  7
#define LANGUAGE_PTG  8   // Portuguese (Portugal)
#define LANGUAGE_PTB  9   // Portuguese (Brazil)
#define LANGUAGE_SVE  10
#define LANGUAGE_DAN  11
#define LANGUAGE_NOR  12
#define LANGUAGE_FIN  13
#define LANGUAGE_PLK  14
#define LANGUAGE_CSY  15
#define LANGUAGE_HUN  16
#define LANGUAGE_RUS  17
#define LANGUAGE_TRK  18
#define LANGUAGE_ELL  19
#define LANGUAGE_CHS  20  // Chinese (Simplified)
#define LANGUAGE_CHT  21  // Chinese (Traditional)
#define LANGUAGE_KOR  22

// Fax countries (IDS_FAX_COUNTRY_NAME_FIRST / IDS_FAX_COUNTRY_CODE_FIRST), by calling code.
#define COUNTRY_NORTH_AMERICA   0   // 1
#define COUNTRY_RUSSIA          1   // 7
#define COUNTRY_SOUTH_AFRICA    2   // 27
#define COUNTRY_GREECE          3   // 30
#define COUNTRY_NETHERLANDS     4   // 31
#define COUNTRY_BELGIUM         5   // 32
#define COUNTRY_FRANCE          6   // 33
#define COUNTRY_SPAIN           7   // 34
#define COUNTRY_HUNGARY         8   // 36
#define COUNTRY_ITALY           9   // 39
#define COUNTRY_SWITZERLAND     10  // 41
#define COUNTRY_AUSTRIA         11  // 43
#define COUNTRY_UNITED_KINGDOM  12  // 44
#define COUNTRY_DENMARK         13  // 45
#define COUNTRY_SWEDEN          14  // 46
#define COUNTRY_NORWAY          15  // 47
#define COUNTRY_POLAND          16  // 48
#define COUNTRY_GERMANY         17  // 49
#define COUNTRY_MEXICO          18  // 52
#define COUNTRY_BRAZIL          19  // 55
#define COUNTRY_AUSTRALIA       20  // 61
#define COUNTRY_NEW_ZEALAND     21  // 64
#define COUNTRY_SINGAPORE       22  // 65
#define COUNTRY_JAPAN           23  // 81
#define COUNTRY_KOREA           24  // 82
#define COUNTRY_CHINA           25  // 86
#define COUNTRY_TURKEY          26  // 90
#define COUNTRY_INDIA           27  // 91
#define COUNTRY_PORTUGAL        28  // 351
#define COUNTRY_IRELAND         29  // 353
#define COUNTRY_FINLAND         30  // 358
#define COUNTRY_CZECH_REPUBLIC  31  // 420
#define COUNTRY_HONG_KONG       32  // 852
#define COUNTRY_TAIWAN          33  // 886
