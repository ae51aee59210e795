#pragma once

#include "aeffect.h"

class AudioEffect;

// Makes one effect, or null when the host is unusable or memory runs out.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
