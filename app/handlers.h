// The installer's handlers, bound to control events by the window definition.
#pragma once

#include <cstdint>

void OnInstallerWindowCreated();                      // window: created
void OnInstallFolderPressed(int x, int y, int keys);  // 标签_安装目录: left button down
void OnInstallButtonClicked();                        // 图形按钮1: clicked
void OnExtractProgress(int32_t percent);              // ZIP压缩1: ExtractProgress
void OnCloseMarkReleased(int x, int y, int keys);     // 透明标签4: left button up
void OnHiddenCloseClicked();                          // 图形按钮10: clicked
