#pragma once

// Every slot editor the effect section's factory builds.
#include "AllpassEditor.h"
#include "BalanceEditor.h"
#include "DistortionEditor.h"
#include "FilterEditor.h"
#include "TimeFeedbackMixEditor.h"
