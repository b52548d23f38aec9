#pragma once
// The recent files kept per user beside the other settings:
// HKCU\Software\Nibblor\RecentFiles, value RecentFiles, one name a string.
#include <string>
#include <vector>

#include "document/FileSteps.h"

std::vector<std::wstring> storedRecentFiles();
void storeRecentFiles(const std::vector<FilePath>& files);
