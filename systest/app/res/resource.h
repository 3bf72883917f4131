#pragma once
// Resource IDs of VelkoraSysTest.exe.
#define IDR_MAINFRAME 128
