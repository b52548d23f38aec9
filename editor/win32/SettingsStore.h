#pragma once
// Settings stored as flags, and whether a setting is stored at all; the
// texts themselves are the core's readSetting and writeSetting.
struct EditorCore;

// A setting stored as "1" or "0": false when it is not stored.
bool readFlagSetting(EditorCore& core, const char* name);
bool writeFlagSetting(EditorCore& core, const char* name, bool value);
// True when the setting has a value at all, whether or not it fits an area.
bool settingStored(const char* name);
