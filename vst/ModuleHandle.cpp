#include "ModuleHandle.h"

void* moduleHandle = nullptr;
