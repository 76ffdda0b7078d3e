#pragma once

// 32-bit result codes: the upper half names the area, the lower half the case; 0 is success.
enum ResultCode : int {
    RESULT_OK = 0,

    // language file: not valid, or not readable
    LNG_ERR_FILE = 0x11000,
    LNG_ERR_HEADER = 0x11001,
    LNG_ERR_ID = 0x11002,
    LNG_ERR_PARAMETER = 0x11003,
    LNG_ERR_NOT_READ = 0x11004,
    LNG_ERR_NOT_FOUND = 0x11005,
    LNG_ERR_PATH = 0x11008,
    LNG_ERR_ACCESS = 0x11009,
    LNG_ERR_HARDWARE = 0x1100A,

    // a bad or missing argument
    ERR_PARAMETER = 0x20001,
    ERR_ARG_NO_NAME_OR_PORT = 0x20002,
    ERR_MENU_NO_PRINTER = 0x20005,
    ERR_ARG_INDEX_OUT_OF_RANGE = 0x20006,

    ERR_OUT_OF_MEMORY = 0x30009,

    // printer enumeration
    ERR_PRINTER_NONE = 0x40001,
    ERR_PRINTER_NOT_FOUND = 0x40002,
    ERR_PRINTER_ENUM_FAILED = 0x40003,
    ERR_PRINTER_NO_DATA = 0x40004,

    // a resource library can't be opened
    ERR_RESOURCE_LIBRARY = 0x50001,

    // spooler job
    ERR_OPEN_PRINTER = 0x60001,
    ERR_START_DOC = 0x60002,
    ERR_WRITE_PRINTER = 0x60003,
    ERR_OPEN_FILE = 0x60004,
    ERR_ENUM_JOBS = 0x60005,

    // configuration file
    ERR_INI_READ = 0x70002,
    ERR_INI_DRIVER = 0x70003,
    ERR_INI_MODEL = 0x70004,
    ERR_INI_LANGUAGE = 0x70005,
    ERR_INI_MACHINE = 0x70006,
    ERR_INI_LANGUAGE_NAME = 0x70007,
    ERR_INI_MODEL_ID = 0x70008,
    ERR_INI_MACHINE_LANGUAGE = 0x70009,
    ERR_INI_ARGUMENT = 0x7000a,
    ERR_INI_LANGUAGE_VERSION = 0x7000b,
    ERR_INI_COUNTRY_CODE = 0x7000c,
    ERR_NO_DESTINATION = 0x7000d,
};
