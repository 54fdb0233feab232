<Product_Name>
General Menu Structure Description Format
<Product_Version>
1.0
<Structure_Description>
0#$@A#$@#$@#$@#$@
3#$@B#$@x#$@y#$@z#$@
1#$@C#$@
