#pragma once

// Registers the smooth-colour shader files. A static library's resources are
// dropped by the linker unless something refers to them, so the shader calls
// this before it loads them.
void initSmoothColorShaderResources();
