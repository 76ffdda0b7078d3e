#pragma once
// File versions of the resource-only libraries. Programs check the leading number before they
// run: 2 for the text libraries, 1 for the image library.
#define TEXT_LIBRARY_VERSION        2,1,0,0
#define TEXT_LIBRARY_VERSION_TEXT   "2.1.0.0"
#define IMAGE_LIBRARY_VERSION       1,1,0,0
#define IMAGE_LIBRARY_VERSION_TEXT  "1.1.0.0"
