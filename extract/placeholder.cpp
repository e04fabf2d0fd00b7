void ExtractPlaceholder() {}
