void ToolkitPlaceholder() {}
