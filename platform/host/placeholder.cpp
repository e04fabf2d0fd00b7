void PlatformHostPlaceholder() {}
