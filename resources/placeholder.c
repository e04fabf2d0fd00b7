void ResourcesPlaceholder(void) {}
