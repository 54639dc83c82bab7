-- Opens the selected photos in Softhaze 3 through the path written at install time.
return {}
