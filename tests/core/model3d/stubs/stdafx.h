// Stand-in for the precompiled header a description names first; the
// declarations need nothing from it.
#pragma once
