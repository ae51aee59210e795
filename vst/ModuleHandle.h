// The module (DLL or shared object) that holds the plug-in, for finding its own resources.
#pragma once

// Windows: the HINSTANCE given to DllMain; elsewhere it stays null.
extern void* moduleHandle;
