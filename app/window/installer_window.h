// Identifiers of the installer window's definition and of the controls the
// installer's steps address.
#pragma once

#include <cstdint>

struct FormDefinition;

constexpr uint32_t kInstallerFormId = 0x52010001;
constexpr uint32_t kInstallerWindowId = 0x06010000;

constexpr uint32_t kLogLabelId = 0x160100A0;           // 标签_日志
constexpr uint32_t kCloseMarkId = 0x1601006F;          // 透明标签4
constexpr uint32_t kProgressBarId = 0x16010066;        // 进度条1
constexpr uint32_t kInstallButtonId = 0x16010021;      // 图形按钮1
constexpr uint32_t kFolderLabelId = 0x1601001E;        // 标签_安装目录
constexpr uint32_t kLogoBoxId = 0x16010027;            // 图片框_Logo
constexpr uint32_t kZipControlId = 0x1601005A;         // ZIP压缩1
constexpr uint32_t kHiddenCloseButtonId = 0x16010034;  // 图形按钮10

// The definition of InstallerWindow, as data (installer_window.cpp).
const FormDefinition& InstallerWindowDefinition();
