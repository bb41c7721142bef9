#pragma once
// Image list 1: menus and dialogs.

#include <vector>

#include "ImageListWriter.h"

std::vector<ImageRecord> BuildMenuList();
