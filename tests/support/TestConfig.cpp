#include "TestConfig.h"

const char kTestConfig[] =
    "[Revision]\r\n7=\r\n"
    "[Drivers]\r\nLomarel Test PCL=LT100\r\nLomarel Test KX=LT200\r\nLomarel Test XPS Driver=LT200\r\n"
    "[Language]\r\nenu=English\r\neng=British\r\njpn=Japanese\r\ndeu=German\r\n"
    "[Models]\r\nLT-100=LT100\r\nLT-200=LT200\r\n"
    "[Machines]\r\nLT100=enu,jpn\r\nLT200=enu,jpn,deu\r\n"
    "[Localize]\r\nLomarel=enu,jpn\r\nFaxSetup=ENU,JPN\r\n"
    "[Link]\r\nenu=https://support.lomarel.example/en\r\n"
    "[LanguageVersion]\r\nLT100=1.00\r\nLT200=2.00\r\n"
    "[LanguageName]\r\nEnglish=ENGLISH\r\nBritish=ENGLISH-UK\r\nJapanese=JAPANESE\r\nGerman=GERMAN\r\n"
    "[ModelID]\r\nLT100=LT100\r\nLT200=LT200\r\n"
    "[Fax Machine]\r\nLT-200=81,1\r\n"
    "[Fax Destination]\r\nLT-200=Japan/81\r\n"
    "[Driver and Model]\r\nLomarel Test KX=LT-200\r\nLomarel Test Fax=LT-200\r\n"
    "[Fax Country Code]\r\n1=\r\n81=\r\n"
    "[PanelRestriction]\r\nJPN=TRUE\r\n";
