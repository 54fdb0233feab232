#pragma once
// The product's fixed words, in one place for the files, the generated page
// and the windows.

inline constexpr const char* kProductName = "Trellimenu 2006";
// The caption of the editor tree's root, the node that stands for the menu itself.
inline constexpr const char* kRootNodeText = kProductName;
inline constexpr const char* kProductVersion = "1.0";
// The maker's pages live on a reserved example domain; no real company is named.
inline constexpr const char* kMakerWebAddress = "https://www.example.com/trellimenu/";
inline constexpr const char* kCopyrightNotice = "Copyright (C) 2006 The Trellimenu authors. All rights reserved.";
