#pragma once
// The version of the checker, its diagnostics program and its language modules: the resource
// scripts (version information) and the code (result document, results table) read it here.
#define VELKORA_VERSION_MAJOR 1
#define VELKORA_VERSION_MINOR 1
#define VELKORA_VERSION_PATCH 0
#define VELKORA_VERSION_TEXT "1.1.0"
