#pragma once

// The pictures of the operator's windows live in this static library's resources, which the
// linker keeps only when they are registered by name; the picture accessors call this first.
void zarejestrujZasobyOkien();
