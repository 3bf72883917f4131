#pragma once
// The one place for the version number: both programs and both language modules carry it in
// their version information (version_info.rc), and the result document reports it. Plain
// defines only, since the resource compiler reads this file too.
#define VELKORA_VERSION_MAJOR 1
#define VELKORA_VERSION_MINOR 0
#define VELKORA_VERSION_PATCH 0
#define VELKORA_VERSION_BUILD 0

// The same number as one literal, as the resource compiler wants it; a host test holds the two
// together.
#define VELKORA_VERSION_TEXT "1.0.0.0"

#define VELKORA_PRODUCT_NAME_TEXT "Velkora System Check"
#define VELKORA_COMPANY_TEXT "Velkora"
#define VELKORA_COPYRIGHT_TEXT "Copyright (C) 2018 Velkora"
